#ifndef VQ_GRABACION_H
#define VQ_GRABACION_H

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <string>

// Escribe una partida grabada, línea por línea, en el formato que lee
// Repeticion. Todo pasa por un búfer fijo que se vuelca al archivo de a
// varios kilobytes, antes de esperar al jugador y al terminar: grabar no
// reserva memoria en ningún cuadro.
class Grabacion {
public:
    Grabacion() = default;
    ~Grabacion();
    Grabacion(const Grabacion&) = delete;
    Grabacion& operator=(const Grabacion&) = delete;

    // Crea el archivo; si no puede, falso con el porqué en error.
    bool abrir(const std::string& ruta, std::string& error);
    bool isAbierta() const { return archivo >= 0; }

    void encabezado(int64_t frecuencia);
    void pantalla(bool completa);
    void semilla(uint32_t valor);
    // Los ajustes con que empieza la partida, ya descritos en palabras.
    void ajustes(const std::string& descripcion);
    void evento(const SDL_Event& e);
    void consola(const float* valores, int leidos);
    // Fin de una vuelta del bucle, sin cuadro o con uno tras ese intervalo.
    void vuelta();
    void cuadro(int64_t pulsos);
    // Escribe lo pendiente, "fin", y cierra.
    void terminar();
    // Pasa el búfer al archivo.
    void vaciar();

private:
    static constexpr size_t CAPACIDAD = 16384;
    static constexpr size_t UMBRAL = 4096;

    void linea(const char* formato, ...) __attribute__((format(printf, 2, 3)));
    void cerrarVueltas();

    int archivo = -1;
    std::string ruta;
    char bufer[CAPACIDAD];
    size_t usado = 0;
    // Vueltas sin cuadro ya terminadas que todavía no se escribieron.
    int vueltasPendientes = 0;
};

#endif
