#ifndef VQ_BUCLE_PRINCIPAL_H
#define VQ_BUCLE_PRINCIPAL_H

#include <SDL.h>
#include <cstdint>

#include "core/Oido.h"
#include "core/Sonido.h"

// El bucle del programa: eventos, y a lo sumo 29 cuadros por segundo con un
// paso de juego de un cuarto del tiempo real.
class BuclePrincipal {
public:
    static constexpr int FPS_OBJETIVO = 29;

    // Crea el juego, carga el primer nivel y abre el sonido.
    void iniciar();
    // Una vuelta del bucle; devuelve si dibujó un cuadro.
    bool iterar();
    // Todo el programa: iniciar, iterar mientras el juego corra, salir.
    int ejecutar();

private:
    int64_t ultimoCuadro = 0;
    int64_t frecuencia = 1;
    double transcurrido = 0.0;
    // Se reusa sin limpiar: SDL_PollEvent no lo toca si la cola está vacía,
    // y el último evento se vuelve a despachar en cada vuelta.
    SDL_Event evento = {};
    Sonido sonido;
    Oido oido{sonido};
};

#endif
