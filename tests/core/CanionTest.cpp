#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>

#include "Ayudas.h"
#include "core/Canion.h"
#include "core/Juego.h"
#include "playfield/ModoRender.h"

namespace {

SDL_Event movimiento(int xrel, int yrel = 0) {
    SDL_Event e = {};
    e.type = SDL_MOUSEMOTION;
    e.motion.xrel = static_cast<Sint16>(xrel);
    e.motion.yrel = static_cast<Sint16>(yrel);
    return e;
}

}  // namespace

TEST(Canion, GiraEntreMenosOchentaYOchenta) {
    Canion& canion = Ayudas::juego().getCanion();
    ASSERT_EQ(canion.getAngulo(), 0.0f);
    const struct {
        float delta, angulo;
    } pasos[] = {{100, 80}, {5, 80}, {-5, 75}, {0, 75}, {-200, -80}, {-1, -80}, {0.5f, -79.5f}, {79.5f, 0}};
    for (const auto& p : pasos) {
        canion.rotar(p.delta);
        EXPECT_EQ(canion.getAngulo(), p.angulo) << p.delta;
    }
}

TEST(Canion, ElRatonLoGiraUnTercioDelMovimiento) {
    Juego& juego = Ayudas::juego();
    const Canion& canion = juego.getCanion();
    // División entera: −7 / 3 = −2 y 2 / 3 = 0; el movimiento vertical no gira.
    const struct {
        int xrel, yrel;
        float angulo;
    } pasos[] = {{-7, 0, -2}, {2, 40, -2}, {3, 0, -1}, {300, 0, 80}, {9, 0, 80}};
    for (const auto& p : pasos) {
        SDL_Event e = movimiento(p.xrel, p.yrel);
        juego.manejarEvento(&e);
        EXPECT_EQ(canion.getAngulo(), p.angulo) << p.xrel;
    }
    EXPECT_EQ(juego.getRotacionZ(), 0.0f);
    EXPECT_EQ(juego.getRotacionX(), 0.0f);

    // Con el botón derecho apretado el movimiento gira la escena, no el cañón.
    SDL_Event derecho = {};
    derecho.type = SDL_MOUSEBUTTONDOWN;
    derecho.button.button = SDL_BUTTON_RIGHT;
    juego.manejarEvento(&derecho);
    SDL_Event e = movimiento(-30, 7);
    juego.manejarEvento(&e);
    EXPECT_EQ(canion.getAngulo(), 80.0f);
    EXPECT_EQ(juego.getRotacionZ(), -15.0f);
    EXPECT_EQ(juego.getRotacionX(), 3.0f);
}

namespace {

// Mira el cañón sin luces desde el frente: 100 píxeles por unidad, con
// x de 5 a 13 y y de 11 a 17 del tablero.
Ayudas::Color verCanion(Canion& canion, double x, double y) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(5, 13, 11, 17, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    canion.render();
    return Ayudas::pixel(static_cast<int>((x - 5) * 100), static_cast<int>((y - 11) * 100));
}

bool fondo(const Ayudas::Color& c) { return c.r < 10 && c.g < 10 && c.b < 10; }

}  // namespace

TEST(Canion, ArribaAlCentroConElCanioHaciaAbajo) {
    Canion& canion = Ayudas::juego().getCanion();
    ModoRender::getInstance()->elegir(true, false, false, false);
    // El caño baja desde el pivote (9, 15); a los lados y arriba del caño
    // no hay nada a esa distancia.
    const Ayudas::Color canio = verCanion(canion, 9, 13.5);
    EXPECT_EQ(canio.r, 0);
    EXPECT_NEAR(canio.g, 26, 1);
    EXPECT_NEAR(canio.b, 128, 1);
    EXPECT_FALSE(fondo(verCanion(canion, 9, 15)));
    EXPECT_TRUE(fondo(verCanion(canion, 7.5, 13.5)));
    EXPECT_TRUE(fondo(verCanion(canion, 10.5, 13.5)));
    EXPECT_TRUE(fondo(verCanion(canion, 9, 16.5)));
    // Girado 80 grados apunta hacia la derecha, casi horizontal.
    canion.rotar(80);
    EXPECT_TRUE(fondo(verCanion(canion, 9, 13.5)));
    EXPECT_FALSE(fondo(verCanion(canion, 9 + 1.5 * std::sin(80 * M_PI / 180),
                                 15 - 1.5 * std::cos(80 * M_PI / 180))));
    canion.rotar(-160);
    EXPECT_FALSE(fondo(verCanion(canion, 9 - 1.5 * std::sin(80 * M_PI / 180),
                                 15 - 1.5 * std::cos(80 * M_PI / 180))));
    canion.rotar(80);

    // Con textura se ve el acero del modelo, no el azul de los otros modos.
    ModoRender::getInstance()->elegir(false, false, true, false);
    const Ayudas::Color acero = verCanion(canion, 9, 13.5);
    EXPECT_GT(acero.r, 60);
    EXPECT_LT(std::abs(acero.r - acero.b), 40);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    // En alambre sólo hay líneas de ese azul, con huecos que el modo
    // facetado llena.
    int pintados[2] = {0, 0}, otros = 0;
    for (int modo = 0; modo < 2; ++modo) {
        ModoRender::getInstance()->elegir(modo == 0, false, false, modo == 1);
        verCanion(canion, 9, 13.5);
        for (int x = 350; x < 450; x += 2) {
            for (int y = 150; y < 300; y += 2) {
                const Ayudas::Color c = Ayudas::pixel(x, y);
                if (fondo(c)) continue;
                const bool azul = c.r == 0 && std::abs(c.g - 26) <= 1 && std::abs(c.b - 128) <= 1;
                azul ? pintados[modo]++ : otros++;
            }
        }
    }
    EXPECT_EQ(otros, 0);
    EXPECT_GT(pintados[1], pintados[0] / 5);
    EXPECT_LT(pintados[1], pintados[0] * 9 / 10);
}
