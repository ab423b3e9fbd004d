#include "core/BuclePrincipal.h"

#include <GL/gl.h>
#include <cstdio>

#include "core/Configuracion.h"
#include "core/Juego.h"
#include "core/Sistema.h"
#include "screens/CargadorNivel.h"

void BuclePrincipal::iniciar() {
    transcurrido = 0.0;
    ultimoCuadro = Sistema::leerContador();
    frecuencia = Sistema::frecuenciaContador();
    std::printf("Frecuencia de proceso: %d\n\n", static_cast<int>(static_cast<uint32_t>(frecuencia)));
    std::fflush(stdout);
    Juego* juego = Juego::getInstance();
    Configuracion::getInstance()->aplicar(*juego);
    CargadorNivel cargador;
    cargador.cargarNivel(*juego, "resources/pantalla1.txt");
}

bool BuclePrincipal::iterar() {
    Juego* juego = Juego::getInstance();
    while (juego->isCorriendo() && SDL_PollEvent(&evento)) juego->manejarEvento(&evento);
    juego->manejarEvento(&evento);
    if (!juego->isCorriendo()) return false;

    const int64_t ahora = Sistema::leerContador();
    transcurrido = static_cast<double>(ahora - ultimoCuadro) / static_cast<double>(frecuencia);
    const bool toca = transcurrido >= 1.0 / static_cast<double>(FPS_OBJETIVO);
    if (toca) {
        // Lectura nueva: lo que tarda el cuadro cuenta para el intervalo siguiente.
        ultimoCuadro = Sistema::leerContador();
        const double fpsActual = 1.0 / transcurrido;
        juego->setFps(static_cast<int>(fpsActual));
        const float dt = static_cast<float>(0.25 / static_cast<double>(static_cast<float>(fpsActual)));
        juego->actualizar(dt);
        juego->dibujar();
    }
    SDL_Delay(10);
    glClear(GL_COLOR_BUFFER_BIT);
    return toca;
}

int BuclePrincipal::ejecutar() {
    iniciar();
    while (Juego::getInstance()->isCorriendo()) iterar();
    Configuracion::getInstance()->guardar(*Juego::getInstance());
    Juego::getInstance()->salir();
    return 0;
}
