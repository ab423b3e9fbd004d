#include <gtest/gtest.h>

#include <GL/gl.h>

#include <chrono>

#include "Ayudas.h"
#include "SistemaPrueba.h"
#include "core/BuclePrincipal.h"
#include "core/Canion.h"
#include "core/Juego.h"
#include "playfield/Plataforma.h"
#include "screens/Interfaz.h"

TEST(BuclePrincipal, CuadrosCada1De29sEventosQueSeRepitenYEscape) {
    SistemaPrueba::setContador(0);
    BuclePrincipal bucle;
    bucle.iniciar();
    Juego& juego = Ayudas::juego();
    // 1/29 s son 1000000 pulsos: justo antes no hay cuadro, pero se borra el color; justo en 1/29 s, sí.
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0.01f, 0.01f, 0.01f, 0.0f);
    SistemaPrueba::setContador(999999);
    const auto inicio = std::chrono::steady_clock::now();
    EXPECT_FALSE(bucle.iterar());
    EXPECT_GE(std::chrono::steady_clock::now() - inicio, std::chrono::milliseconds(10));  // cede la CPU
    EXPECT_EQ(Ayudas::pixel(10, 10).r, 3);
    SistemaPrueba::setContador(1000000);
    EXPECT_TRUE(bucle.iterar());
    const float fase = juego.getPlataforma().getFase();
    SistemaPrueba::avanzarSegundos(0.1);  // 10 cuadros por segundo y un paso de 0,025 s de juego
    EXPECT_TRUE(bucle.iterar() && juego.getFps() == 10 && Interfaz::getInstance()->getFps() == 10);
    EXPECT_FLOAT_EQ(juego.getPlataforma().getFase() - fase, 0.025f);
    // El último movimiento gira el cañón al vaciar la cola y otra vez en cada vuelta: 2 + 2 + 2 grados.
    Canion& canion = juego.getCanion();
    canion.rotar(-canion.getAngulo());
    SDL_Event giro = Ayudas::movimiento(6), esc = Ayudas::tecla(SDLK_ESCAPE);
    SDL_PushEvent(&giro);
    for (int i = 0; i < 2; i++) bucle.iterar();
    EXPECT_EQ(canion.getAngulo(), 6.0f);
    // Escape corta la cola: el giro de después no llega ni hay cuadro.
    SDL_PushEvent(&esc);
    SDL_PushEvent(&giro);
    SistemaPrueba::avanzarSegundos(1);
    EXPECT_FALSE(bucle.iterar());
    EXPECT_TRUE(!juego.isCorriendo() && canion.getAngulo() == 6.0f);
}
