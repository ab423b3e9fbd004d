#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>

#include "Ayudas.h"
#include "core/Canion.h"
#include "core/Juego.h"
#include "playfield/ModoRender.h"

using Ayudas::Color;

// El cañón solo, sin luces, a 100 píxeles por unidad desde (5, 11); devuelve el color en (x, y).
static Color verCanion(Canion& canion, double x, double y) {
    Ayudas::proyeccionVentana(true);
    glScalef(100, 100, 0.1f);
    glTranslatef(-5, -11, 0);
    canion.render();
    return Ayudas::pixel(static_cast<int>((x - 5) * 100), static_cast<int>((y - 11) * 100));
}

static bool fondo(const Color& c) { return c.r < 10 && c.g < 10 && c.b < 10; }

TEST(Canion, HaciaAbajoGrisYGiraHastaOchentaGrados) {
    Canion& canion = Ayudas::juego().getCanion();
    // Bajo el pivote (9, 15), el acero gris sin textura puesta; vacío a los lados y arriba del caño.
    ModoRender::getInstance()->elegir(false, false, true, false);
    const double vacios[][2] = {{7.5, 13.5}, {10.5, 13.5}, {9, 16.5}};
    for (const auto& v : vacios) EXPECT_TRUE(fondo(verCanion(canion, v[0], v[1]))) << v[0] << "," << v[1];
    const Color gris = verCanion(canion, 9, 13.5);
    EXPECT_TRUE(gris.r > 60 && gris.r < 230 && std::abs(gris.r - gris.b) < 40 && !glIsEnabled(GL_TEXTURE_2D));
    ModoRender::getInstance()->elegir(false, true, false, false);  // sin textura, azul: (0; 0,1; 0,5)
    canion.render();
    float color[4];
    glGetFloatv(GL_CURRENT_COLOR, color);
    EXPECT_TRUE(color[0] == 0 && color[1] == 0.1f && color[2] == 0.5f);
    canion.rotar(80);  // casi horizontal a la derecha: a 1,5 del pivote, (10,48, 14,74)
    EXPECT_FALSE(fondo(verCanion(canion, 10.45, 14.75)));
    const int giros[][2] = {{-7, 78}, {300, 80}, {15, 80}, {-15, 75}, {-600, -80}, {-3, -80}, {4, -79}};
    for (const auto& [xrel, angulo] : giros) {  // el ratón gira un tercio, truncado, hasta ±80 grados
        SDL_Event e = Ayudas::movimiento(xrel);
        Ayudas::juego().manejarEvento(&e);
        EXPECT_EQ(canion.getAngulo(), angulo) << xrel;
    }
}
