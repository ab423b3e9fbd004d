#ifndef VQ_REPETICION_H
#define VQ_REPETICION_H

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Configuracion.h"

// Una partida grabada, leída y revisada entera antes de abrir la ventana, y
// el cursor que la va entregando vuelta por vuelta del bucle. El formato está
// en el README; Grabacion lo escribe.
class Repeticion {
public:
    static constexpr int VERSION = 1;
    static constexpr size_t LARGO_LINEA = 200;

    // Lee el texto entero. Si no sirve devuelve falso y deja en error
    // "NOMBRE:LÍNEA: qué pasa" (sin línea si el archivo no se puede abrir).
    bool leer(const char* datos, size_t largo, const std::string& nombre, std::string& error);
    bool cargar(const std::string& ruta, std::string& error);

    int64_t getFrecuencia() const { return frecuencia; }
    uint32_t getSemilla() const { return semilla; }
    bool isPantallaCompleta() const { return pantallaCompleta; }
    // Los de la línea "ajustes"; sin ella, los de siempre a escala 1.
    const Configuracion::Ajustes& getAjustes() const { return ajustes; }
    int getCuadros() const { return cuadros; }
    // Si terminó con "fin"; si no, se cortó y sólo sirve hasta su último cuadro.
    bool isCompleta() const { return completa; }
    int getLineaFinal() const { return lineaFinal; }

    // El siguiente evento de la vuelta en curso; falso cuando la vuelta no tiene más.
    bool siguienteEvento(SDL_Event& evento);
    // Cierra la vuelta en curso; verdadero si dibuja un cuadro, con su intervalo en pulsos.
    bool terminarVuelta(int64_t& pulsos);
    // Los valores que leyó la consola tras el último evento; falso si no los hay.
    bool siguienteConsola(float* valores, int n);
    // Las marcas puestas tras el cuadro recién dibujado, una por llamada; nulo si no hay más.
    const char* siguienteMarca();
    bool isTerminada() const { return pos >= final && restantes < 0; }

private:
    enum class Tipo : uint8_t { Evento, Consola, Vueltas, Cuadro, Marca };
    struct Registro {
        Tipo tipo;
        int cantidad;      // vueltas sin cuadro; valores de la consola
        int64_t pulsos;    // intervalo del cuadro
        SDL_Event evento;  // también la marca: su índice en marcas va en cantidad
        float valores[4];
    };

    bool leerEncabezado(const std::vector<std::string>& p, int numero, std::string& error);
    bool leerRegistro(const std::vector<std::string>& p, std::string& error);

    std::vector<Registro> registros;
    std::vector<std::string> marcas;
    int64_t frecuencia = 0;
    uint32_t semilla = 0;
    bool pantallaCompleta = false;
    Configuracion::Ajustes ajustes;
    bool completa = false;
    int cuadros = 0;
    int lineaFinal = 0;
    // Cursor: el registro que sigue, las vueltas sin cuadro que le quedan al
    // registro de vueltas en curso (-1 si no se empezó) y hasta dónde se repite.
    size_t pos = 0;
    int restantes = -1;
    size_t final = 0;
};

#endif
