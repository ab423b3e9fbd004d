#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "Ayudas.h"
#include "playfield/Pelotita.h"
#include "playfield/Pieza.h"
#include "playfield/Plataforma.h"
#include "screens/Interfaz.h"

TEST(Plataforma, OscilaConLaFaseAcumulada) {
    Ayudas::juego();
    Plataforma p(9, 0, 0.5f, 0, 0, 0);
    EXPECT_EQ(p.getCentro(), 9.0f);
    EXPECT_EQ(p.getDerecha().getX(), 10.0f);
    EXPECT_EQ(p.getIzquierda().getX(), 8.0f);

    // Fase pi/16: 8 * fase = pi/2, el coseno se anula.
    p.mover(static_cast<float>(M_PI / 16));
    EXPECT_NEAR(p.getCentro(), 9.0f, 1e-5);
    EXPECT_NEAR(p.getDerecha().getX(), 10.0f, 1e-5);
    EXPECT_NEAR(p.getIzquierda().getX(), 8.0f, 1e-5);

    // Otra vez pi/16: fase pi/8, el extremo izquierdo del recorrido.
    p.mover(static_cast<float>(M_PI / 16));
    EXPECT_NEAR(p.getCentro(), 1.5f, 1e-5);
    EXPECT_NEAR(p.getIzquierda().getX(), 0.5f, 1e-5);

    Plataforma q(9, 0, 0.5f, 0, 0, 0);
    for (int i = 0; i < 10; i++) q.mover(0.03f);
    EXPECT_NEAR(q.getCentro(), 9 + 7.5f * std::cos(8 * 0.3f), 1e-4);
    EXPECT_EQ(q.getDerecha().getY(), 0.0f);
    EXPECT_EQ(q.getDerecha().getZ(), 0.5f);
}

TEST(Plataforma, AtrapaConLimitesEstrictosYLoAnuncia) {
    Ayudas::juego();
    Plataforma p(9, 0, 0.5f, 0, 0, 0);
    p.mover(0.1f);
    const float c = p.getCentro();

    struct Caso {
        float x, y, vy;
        bool atrapa;
    };
    const Caso casos[] = {
        {c, 0.5f, -3, true},        {c, 0.5f, 3, false},         {c + 1, 0.5f, -3, false},
        {c - 1, 0.5f, -3, false},   {c + 0.99f, 0.5f, -3, true}, {c, 0.8f, -3, false},
        {c, 0.79f, -3, true},       {c, 0.5f, 0, false},         {c, -2, -3, true},
    };
    for (const Caso& caso : casos) {
        std::unique_ptr<Pelotita> b(Ayudas::bola(caso.x, caso.y, 0, caso.vy));
        testing::internal::CaptureStdout();
        EXPECT_EQ(p.atrapar(*b), caso.atrapa) << caso.x - c << "," << caso.y << "," << caso.vy;
        EXPECT_EQ(testing::internal::GetCapturedStdout(), caso.atrapa ? "\nEntro!\n\n" : "");
    }
}

TEST(Plataforma, LasPuntasRebotanComoPiezasGrises) {
    Ayudas::juego();
    Interfaz* interfaz = Interfaz::getInstance();
    Plataforma p(9, 0, 0.5f, 0, 0, 0);
    EXPECT_EQ(p.getDerecha().getTipo(), Plataforma::TIPO_EXTREMOS);
    EXPECT_EQ(p.getDerecha().getPuntos(), 50);

    // Justo afuera de la boca, a 0,67 de la punta derecha: rebota hacia arriba
    // y a la derecha, como en cualquier pieza.
    std::unique_ptr<Pelotita> b(Ayudas::bola(10.3f, 0.6f, 0, -10));
    EXPECT_FALSE(p.atrapar(*b));
    const int antes = interfaz->getPuntos();
    p.rebotar(*b);
    EXPECT_GT(b->getVelY(), 0.0f);
    EXPECT_GT(b->getVelX(), 0.0f);
    EXPECT_NEAR(std::hypot(b->getVelX(), b->getVelY()), 8.5f, 1e-4);
    EXPECT_EQ(interfaz->getPuntos(), antes + 50);
    EXPECT_TRUE(p.getDerecha().isGolpeada());
    EXPECT_FALSE(p.getIzquierda().isGolpeada());
}
