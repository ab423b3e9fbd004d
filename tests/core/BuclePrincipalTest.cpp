#include <gtest/gtest.h>

#include <GL/gl.h>

#include "Ayudas.h"
#include "SistemaPrueba.h"
#include "core/BuclePrincipal.h"
#include "core/Canion.h"
#include "core/Juego.h"
#include "playfield/Plataforma.h"

namespace {

const int64_t PULSOS_POR_CUADRO = 1000000;  // 1/29 s con el reloj de prueba

// Vacía la cola de eventos que la ventana recién abierta dejó en SDL.
void vaciarCola(BuclePrincipal& bucle) {
    for (int i = 0; i < 5; i++) bucle.iterar();
}

}  // namespace

TEST(BuclePrincipal, UnCuadroCadaVeintinueveAvosDeSegundo) {
    SistemaPrueba::setContador(0);
    BuclePrincipal bucle;
    testing::internal::CaptureStdout();
    bucle.iniciar();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Frecuencia de proceso: 29000000\n\n");
    Juego& juego = Ayudas::juego();
    EXPECT_FALSE(juego.getPiezas().empty());

    EXPECT_FALSE(bucle.iterar());
    SistemaPrueba::setContador(PULSOS_POR_CUADRO - 1);
    EXPECT_FALSE(bucle.iterar());
    SistemaPrueba::setContador(PULSOS_POR_CUADRO);
    EXPECT_TRUE(bucle.iterar());
    EXPECT_EQ(juego.getFps(), 29);
    EXPECT_FLOAT_EQ(juego.getPlataforma().getFase(), 0.25f / 29.0f);

    // Tras un atasco de 0,1 s: 10 cuadros por segundo y un paso de 0,025.
    const float fase = juego.getPlataforma().getFase();
    SistemaPrueba::avanzarSegundos(0.1);
    EXPECT_TRUE(bucle.iterar());
    EXPECT_EQ(juego.getFps(), 10);
    EXPECT_FLOAT_EQ(juego.getPlataforma().getFase() - fase, 0.025f);
    EXPECT_FALSE(bucle.iterar());
}

TEST(BuclePrincipal, ElUltimoEventoSeDespachaEnCadaVuelta) {
    SistemaPrueba::setContador(0);
    BuclePrincipal bucle;
    Juego& juego = Ayudas::juego();
    vaciarCola(bucle);
    EXPECT_EQ(juego.getRotacionZ(), 0.0f);

    // Sin arrastre, el último movimiento sigue girando el cañón en cada vuelta.
    Canion& canion = juego.getCanion();
    canion.rotar(-canion.getAngulo());
    SDL_Event giro = {};
    giro.type = SDL_MOUSEMOTION;
    giro.motion.xrel = 6;
    SDL_PushEvent(&giro);
    bucle.iterar();
    EXPECT_EQ(canion.getAngulo(), 4.0f);
    bucle.iterar();
    EXPECT_EQ(canion.getAngulo(), 6.0f);

    SDL_Event derecho = {};
    derecho.type = SDL_MOUSEBUTTONDOWN;
    derecho.button.button = SDL_BUTTON_RIGHT;
    SDL_PushEvent(&derecho);
    SDL_Event mov = {};
    mov.type = SDL_MOUSEMOTION;
    mov.motion.xrel = 6;
    SDL_PushEvent(&mov);
    bucle.iterar();
    // Una vez al vaciar la cola y otra al repetir el último.
    EXPECT_EQ(juego.getRotacionZ(), 6.0f);
    bucle.iterar();
    bucle.iterar();
    EXPECT_EQ(juego.getRotacionZ(), 12.0f);

    // Una tecla repetida no vuelve a actuar.
    SDL_Event p = Ayudas::tecla(SDLK_p);
    SDL_PushEvent(&p);
    bucle.iterar();
    bucle.iterar();
    EXPECT_EQ(juego.getEstado(), Juego::PAUSA);
    EXPECT_EQ(juego.getRotacionZ(), 12.0f);
}

TEST(BuclePrincipal, EscapeCortaLaColaYNoHayCuadro) {
    SistemaPrueba::setContador(0);
    BuclePrincipal bucle;
    Juego& juego = Ayudas::juego();
    vaciarCola(bucle);
    SDL_Event esc = Ayudas::tecla(SDLK_ESCAPE), p = Ayudas::tecla(SDLK_p);
    SDL_PushEvent(&esc);
    SDL_PushEvent(&p);
    SistemaPrueba::setContador(5 * PULSOS_POR_CUADRO);
    EXPECT_FALSE(bucle.iterar());
    EXPECT_FALSE(juego.isCorriendo());
    EXPECT_EQ(juego.getEstado(), Juego::LISTO);
    EXPECT_EQ(juego.getFps(), 0);
}

TEST(BuclePrincipal, ElColorSeBorraAunSinCuadro) {
    SistemaPrueba::setContador(0);
    BuclePrincipal bucle;
    Ayudas::juego();
    vaciarCola(bucle);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0.01f, 0.01f, 0.01f, 0.0f);
    EXPECT_EQ(Ayudas::pixel(10, 10).r, 255);
    EXPECT_FALSE(bucle.iterar());
    EXPECT_EQ(Ayudas::pixel(10, 10).r, 3);
}

TEST(BuclePrincipal, TerminaConUnEventoDeSalida) {
    SistemaPrueba::setContador(0);
    Ayudas::juego();
    SDL_Event salir = {};
    salir.type = SDL_QUIT;
    SDL_PushEvent(&salir);
    BuclePrincipal bucle;
    testing::internal::CaptureStdout();
    EXPECT_EQ(bucle.ejecutar(), 0);
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(Juego::getInstance()->isCorriendo());
}
