#include <gtest/gtest.h>

#include "Ayudas.h"
#include "Proyeccion.h"
#include "core/Juego.h"
#include "playfield/ModoRender.h"

namespace {

bool rojizo(Ayudas::Color c) {
    return c.r > 100 && c.r > 2 * c.g && c.r > 2 * c.b;
}

bool fondo(Ayudas::Color c) {
    return c.r < 8 && c.g < 8 && c.b < 8;
}

}  // namespace

TEST(JuegoDibujo, ElTableroCaeDondeLoPoneLaCamaraConSuEscala) {
    Juego& juego = Ayudas::juego();
    ModoRender::getInstance()->elegir(true, false, false, false);
    juego.dibujar();
    juego.dibujar();

    double x, y;
    proyectarCamaraInicial(9, 7.5, 0, x, y);
    EXPECT_TRUE(rojizo(Ayudas::pixel(int(x), int(y))));
    // El borde de abajo está abierto: encima el tablero, debajo el fondo.
    proyectarCamaraInicial(4, 0, 0, x, y);
    EXPECT_TRUE(rojizo(Ayudas::pixel(int(x), int(y) + 3))) << x << "," << y;
    EXPECT_TRUE(fondo(Ayudas::pixel(int(x), int(y) - 3))) << x << "," << y;
    proyectarCamaraInicial(14, 0, 0, x, y);
    EXPECT_TRUE(rojizo(Ayudas::pixel(int(x), int(y) + 3)));
    EXPECT_TRUE(fondo(Ayudas::pixel(int(x), int(y) - 3)));

    // La bola del juego espera dentro del cañón; otra en (5, 10) se ve azul.
    // Su centro lo aclara el brillo especular: se busca azul puro alrededor.
    juego.agregarPelotita(Ayudas::bola(5, 10, 0, 0));
    juego.dibujar();
    proyectarCamaraInicial(5, 10, 0.5, x, y);
    int azules = 0;
    for (int dx = -5; dx <= 5; dx++) {
        for (int dy = -5; dy <= 5; dy++) {
            Ayudas::Color c = Ayudas::pixel(int(x) + dx, int(y) + dy);
            if (c.b > 150 && c.r < 60 && c.g < 60) azules++;
        }
    }
    EXPECT_GT(azules, 3);

    // Con la cámara que sigue a la bola ya no hay escala: el borde se mueve.
    Ayudas::pulsar(juego, SDLK_y);
    juego.actualizar(0.01f);
    juego.dibujar();
    proyectarCamaraInicial(4, 0, 0, x, y);
    EXPECT_FALSE(fondo(Ayudas::pixel(int(x), int(y) - 3)) &&
                 rojizo(Ayudas::pixel(int(x), int(y) + 3)));
}

TEST(JuegoDibujo, ElGiroDelArrastreMueveLaEscena) {
    Juego& juego = Ayudas::juego();
    ModoRender::getInstance()->elegir(true, false, false, false);
    juego.dibujar();
    double x, y;
    proyectarCamaraInicial(4, 0, 0, x, y);
    ASSERT_TRUE(fondo(Ayudas::pixel(int(x), int(y) - 3)));
    SDL_Event e = {};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_RIGHT;
    juego.manejarEvento(&e);
    e = {};
    e.type = SDL_MOUSEMOTION;
    e.motion.xrel = 40;
    juego.manejarEvento(&e);
    EXPECT_EQ(juego.getRotacionZ(), 20.0f);
    juego.dibujar();
    // Girado 20 grados alrededor del centro, la esquina de abajo a la
    // izquierda baja y el fondo de antes queda tapado por el tablero.
    EXPECT_TRUE(rojizo(Ayudas::pixel(int(x), int(y) - 3)));
}
