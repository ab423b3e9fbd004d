#include "core/BuclePrincipal.h"

#include <GL/gl.h>
#include <cstdio>

#include "core/Grabadora.h"
#include "core/Configuracion.h"
#include "core/Juego.h"
#include "core/Sistema.h"
#include "screens/CargadorNivel.h"

void BuclePrincipal::iniciar() {
    transcurrido = 0.0;
    ultimoCuadro = Sistema::leerContador();
    frecuencia = Grabadora::getInstance()->frecuencia(Sistema::frecuenciaContador());
    std::printf("Frecuencia de proceso: %d\n\n", static_cast<int>(static_cast<uint32_t>(frecuencia)));
    std::fflush(stdout);
    Juego* juego = Juego::getInstance();
    Configuracion::getInstance()->aplicar(*juego);
    CargadorNivel cargador;
    cargador.cargarNivel(*juego, "resources/pantalla1.txt");
    Grabadora::getInstance()->empezar();
    oido.empezar(*juego);
}

bool BuclePrincipal::iterar() {
    Juego* juego = Juego::getInstance();
    Grabadora& grabadora = *Grabadora::getInstance();
    while (juego->isCorriendo() && grabadora.sondear(&evento)) juego->manejarEvento(&evento);
    juego->manejarEvento(&evento);
    if (!juego->isCorriendo()) return false;

    // Al repetir, si hay cuadro y su intervalo los dice la grabación.
    int64_t pulsos = Sistema::leerContador() - ultimoCuadro;
    bool toca;
    if (grabadora.isRepitiendo()) {
        toca = grabadora.cuadroGrabado(pulsos);
        transcurrido = static_cast<double>(pulsos) / static_cast<double>(frecuencia);
    } else {
        transcurrido = static_cast<double>(pulsos) / static_cast<double>(frecuencia);
        toca = transcurrido >= 1.0 / static_cast<double>(FPS_OBJETIVO);
    }
    if (toca) {
        // Lectura nueva: lo que tarda el cuadro cuenta para el intervalo siguiente.
        ultimoCuadro = Sistema::leerContador();
        const double fpsActual = 1.0 / transcurrido;
        juego->setFps(static_cast<int>(fpsActual));
        const float dt = static_cast<float>(0.25 / static_cast<double>(static_cast<float>(fpsActual)));
        juego->actualizar(dt);
        oido.escuchar(*juego);
        juego->dibujar();
    }
    grabadora.anotarVuelta(toca, pulsos);
    if (!grabadora.isRapido()) SDL_Delay(10);
    glClear(GL_COLOR_BUFFER_BIT);
    return toca;
}

int BuclePrincipal::ejecutar() {
    iniciar();
    Grabadora& grabadora = *Grabadora::getInstance();
    while (Juego::getInstance()->isCorriendo()) {
        iterar();
        if (grabadora.terminarRepeticion()) {
            if (grabadora.isSalirAlFinal()) break;
            // Sigue el juego de siempre, con el reloj de verdad.
            ultimoCuadro = Sistema::leerContador();
            frecuencia = Sistema::frecuenciaContador();
        }
    }
    Configuracion::getInstance()->guardar(*Juego::getInstance());
    Juego::getInstance()->salir();
    return 0;
}
