#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "Ayudas.h"
#include "playfield/Gvector.h"
#include "playfield/Pelotita.h"
#include "playfield/Pieza.h"
#include "playfield/Plataforma.h"
#include "playfield/Rectangulo.h"
#include "screens/Interfaz.h"

// El color de la bola en el cuadro lo mira JuegoDibujoTest.
namespace {

using Bola = std::unique_ptr<Pelotita>;

int puntos() { return Interfaz::getInstance()->getPuntos(); }

}  // namespace

TEST(Choques, PiezasParedesCaidaYAro) {
    Ayudas::juego();
    // El vector es de tres dimensiones: el módulo de (3, 4, 12) es 13 y el producto va componente a componente.
    Gvector v(0, 0, 0, 0, 0, 0), w(0, 0, 0, 0, 0, 0);
    EXPECT_TRUE(w.getX() == 1 && w.getY() == 1 && w.getZ() == 1);  // nuevo, (1, 1, 1)
    EXPECT_EQ(v.set(3, 4, 12)->modulo(), 13.0f);
    v.multiplicar(*w.set(-0.85f, 2, 0.5f));
    EXPECT_TRUE(v.getX() == 3 * -0.85f && v.getY() == 8 && v.getZ() == 6);
    v.set(3, 4, 12)->normalizar();  // sólo la parte x-y
    EXPECT_TRUE(v.getX() == 0.6f && v.getY() == 0.8f && v.getZ() == 12);
    // Pieza (x, y, tipo); velocidad y puntos que deja a una bola en (5, 6) a (0, −10). Con radios
    // 0,3 y 0,2 el contacto justo, a 0,5, es exacto en float.
    const float casos[][6] = {
        {5, 5.5f, 2, 0, 8.5f, 500},      // de frente, en contacto justo
        {4.7f, 5.7f, 3, 8.5f, 0, 1000},  // a 45 grados abajo a la izquierda
        {5, 5.49f, 1, 0, -10, 0},        // apenas afuera
        {5, 6, 7, 0, -8.5f, 0},          // otro tipo no vale puntos; centros iguales
    };
    for (const auto& c : casos) {
        Pieza p(c[0], c[1], 0.2f, 0, 0, 0);
        p.setTipo(static_cast<unsigned int>(c[2]));
        p.crearLista(0.3f);
        Bola b(Ayudas::bola(5, 6, 0, -10, 0.2f));
        const int antes = puntos();
        for (int vez = 0; vez < 2; vez++)  // todavía encima, la segunda ni rebota ni suma
            EXPECT_TRUE(p.colisionar(*b) == (c[4] != -10) && p.isGolpeada() == (c[4] != -10)) << c[1];
        EXPECT_NEAR(std::hypot(b->getVelX() - c[3], b->getVelY() - c[4]), 0, 1e-4) << c[1];
        EXPECT_EQ(puntos() - antes, c[5]) << c[1];
    }
    // Paredes de un tablero de ese ancho y 15 de alto contra bolas de radio 0,5 en (x, y) a (vx, vy):
    // la velocidad que les queda. En uno más angosto que la bola rebota en la derecha y no mira más.
    const float paredes[][7] = {{18, 17.5f, 7, 10, 3, -8.5f, 3},       {18, 17.5f, 7, -10, 3, -10, 3},
                                {18, 17.49f, 7, 10, 3, 10, 3},         {18, 0.5f, 7, -10, 3, 8.5f, 3},
                                {18, 17.9f, 14.9f, 10, 10, -8.5f, -8}, {18, 30, -3, 5, -20, -4.25f, -20},
                                {0.5f, 0.2f, 7, 10, 0, -8.5f, 0}};
    for (const auto& c : paredes) {
        Rectangulo tablero(0, 0, 0, 0, 0, 0);
        tablero.crearGeometria(c[0], 15);
        Bola b(Ayudas::bola(c[1], c[2], c[3], c[4], 0.5f));
        EXPECT_EQ(tablero.colisionar(*b), c[3] != c[5] || c[4] != c[6]) << c[1] << "," << c[2];
        EXPECT_TRUE(b->getVelX() == c[5] && b->getVelY() == c[6]) << c[1] << "," << c[2];
    }
    // Paso exacto de la caída, en el plano; el tope de la izquierda no la frena; en y = −10 se queda.
    Bola cae(Ayudas::bola(9, 15, 0, 0)), tope(Ayudas::bola(0, 7, -5, 2)), fondo(Ayudas::bola(5, -10, 3, 4));
    for (Pelotita* b : {cae.get(), tope.get(), fondo.get()}) b->mover(0.1f);
    EXPECT_FLOAT_EQ(cae->getY(), 14.55f);
    EXPECT_TRUE(tope->getX() == 0 && tope->getVelX() == -5 && tope->getZ() == 0.5f);
    EXPECT_TRUE(fondo->getX() == 5 && fondo->getY() == -10);
    // Fase π/8: 8 × fase = π y el centro, 9 + 7,5 cos π, pasa por su extremo izquierdo.
    Plataforma p(9, 0, 0.5f, 0, 0, 0);
    p.mover(static_cast<float>(M_PI / 8));
    const float c = p.getCentro();
    EXPECT_NEAR(c, 1.5f, 1e-5);
    // Atrapa con límites estrictos: x en (c − 1, c + 1), y menor que 0,8 y bajando.
    const float bocas[][4] = {{c, 0.5f, -3, 1}, {c, 0.5f, 3, 0}, {c + 1, 0.5f, -3, 0}, {c - 1, 0.5f, -3, 0},
                              {c + 0.99f, 0.5f, -3, 1}, {c, 0.8f, -3, 0}, {c, 0.5f, 0, 0}};
    for (const auto& k : bocas)
        EXPECT_EQ(p.atrapar(*Bola(Ayudas::bola(k[0], k[1], 0, k[2]))), k[3] == 1) << k[0] - c << "," << k[1];
    // Cada punta rebota como una pieza gris de 50 puntos.
    for (float lado : {-1.0f, 1.0f}) {
        const int antes = puntos();
        Bola b(Ayudas::bola(c + lado * 1.3f, 0.6f, 0, -10));
        p.rebotar(*b);
        EXPECT_TRUE(b->getVelY() > 0 && b->getVelX() * lado > 0 && puntos() == antes + 50) << lado;
    }
}
