#ifndef VQ_GRABADORA_H
#define VQ_GRABADORA_H

#include <SDL.h>

#include <cstdint>
#include <string>

#include "core/Grabacion.h"
#include "core/Repeticion.h"

class Opciones;

// Graba la partida o la repite: toma lo que decide una partida (la semilla,
// la respuesta de la pantalla completa, los eventos de cada vuelta del bucle,
// el intervalo de cada cuadro y lo que se escribe en la consola) en los pocos
// lugares donde entra al juego. Sin --grabar ni --repetir no cambia nada.
class Grabadora {
public:
    static Grabadora* getInstance();

    // Abre lo que pidió la línea de órdenes, antes de abrir la ventana. Si no
    // se puede lo dice por la salida de error y devuelve falso (estado 2).
    bool preparar(Opciones& opciones);
    bool isRepitiendo() const { return modo == Modo::Repitiendo; }
    // Sin espera entre cuadros: sólo mientras se repite con --rapido.
    bool isRapido() const { return isRepitiendo() && rapido; }

    // Los pulsos por segundo del reloj: los grabados al repetir.
    int64_t frecuencia(int64_t viva);
    void anotarPantalla(bool completa);
    uint32_t semilla(uint32_t viva);
    // El juego arrancó: graba los ajustes con que empieza, o al repetir pone los
    // grabados; desde ahora el final de una grabación da su resumen.
    void empezar();

    // El siguiente evento de la vuelta: el de SDL, o el grabado al repetir
    // (de los de SDL sólo pasan los que terminan el juego).
    bool sondear(SDL_Event* evento);
    // Al repetir, si la vuelta dibuja un cuadro y con qué intervalo; espera
    // ese intervalo salvo con --rapido.
    bool cuadroGrabado(int64_t& pulsos);
    // Cierra la vuelta en la grabación; con cuadro, tras dibujarlo.
    void anotarVuelta(bool cuadro, int64_t pulsos);

    // Al repetir, los valores que se escribieron en la consola; falso si hay que leerlos.
    bool valoresConsola(float* valores, int n);
    // Antes de esperar al jugador, lo grabado va al archivo: Ctrl+C mata el juego.
    void antesDeEsperar();
    void anotarConsola(const float* valores, int leidos);

    // Verdadero una sola vez, cuando la repetición acaba de terminar: ya
    // dijo el resumen y el juego sigue con el reloj y la entrada de verdad.
    bool terminarRepeticion();
    bool isSalirAlFinal() const { return salirAlFinal; }

private:
    enum class Modo { Apagada, Grabando, Repitiendo };

    Grabadora() = default;
    static void alSalir();
    static bool terminaElJuego(const SDL_Event& e);

    Modo modo = Modo::Apagada;
    Grabacion grabacion;
    Repeticion repeticion;
    std::string nombre;
    bool rapido = false;
    bool salirAlFinal = false;
    bool detenerEnMarcas = false;
    bool empezada = false;
    int cuadros = 0;
    int64_t frecuenciaViva = 1;
    int64_t ultimoCuadroVivo = 0;
};

#endif
