#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "Ayudas.h"
#include "playfield/Pelotita.h"
#include "playfield/Pieza.h"
#include "screens/Interfaz.h"

namespace {

std::unique_ptr<Pieza> pieza(float x, float y, unsigned int tipo, float radio = 0.3f) {
    auto p = std::make_unique<Pieza>(x, y, 0.2f, 0, 0, 0);
    p->setTipo(tipo);
    p->crearLista(radio);
    p->setVisible(true);
    return p;
}

float rapidez(const Pelotita& b) {
    return std::hypot(b.getVelX(), b.getVelY());
}

}  // namespace

TEST(Pieza, PuntosPorTipo) {
    const int esperados[] = {200, 50, 500, 1000, 0, 0};
    for (unsigned int t = 0; t < 6; t++) {
        Pieza p(0, 0, 0, 0, 0, 0);
        p.setTipo(t);
        EXPECT_EQ(p.getPuntos(), esperados[t]) << "tipo " << t;
    }
}

TEST(Pieza, RebotesDeEspejoConElOchentaYCincoPorCiento) {
    Ayudas::juego();
    Interfaz* interfaz = Interfaz::getInstance();

    // De frente: la velocidad se invierte y se pierde el 15 %; suma los puntos.
    auto p = pieza(5, 5.5f, 0);
    std::unique_ptr<Pelotita> b(Ayudas::bola(5, 6, 0, -10));
    const int antes = interfaz->getPuntos();
    EXPECT_TRUE(p->colisionar(*b));
    EXPECT_FLOAT_EQ(b->getVelX(), 0.0f);
    EXPECT_FLOAT_EQ(b->getVelY(), 8.5f);
    EXPECT_EQ(b->getVelZ(), 0.0f);
    EXPECT_TRUE(p->isGolpeada());
    EXPECT_EQ(interfaz->getPuntos(), antes + 200);

    // Todavía encima: responde que toca, pero no rebota ni suma otra vez.
    EXPECT_TRUE(p->colisionar(*b));
    EXPECT_FLOAT_EQ(b->getVelY(), 8.5f);
    EXPECT_EQ(interfaz->getPuntos(), antes + 200);

    // Se va y vuelve: contacto nuevo, rebota y suma de nuevo.
    std::unique_ptr<Pelotita> lejos(Ayudas::bola(5, 7, 0, -10));
    EXPECT_FALSE(p->colisionar(*lejos));
    EXPECT_TRUE(p->colisionar(*b));
    EXPECT_FLOAT_EQ(b->getVelY(), -7.225f);
    EXPECT_EQ(interfaz->getPuntos(), antes + 400);

    // A 45 grados, abajo a la izquierda: sale hacia la derecha.
    auto diagonal = pieza(5 - 0.4f, 6 - 0.4f, 3);
    std::unique_ptr<Pelotita> b45(Ayudas::bola(5, 6, 0, -10));
    EXPECT_TRUE(diagonal->colisionar(*b45));
    EXPECT_NEAR(b45->getVelX(), 8.5f, 1e-4);
    EXPECT_NEAR(b45->getVelY(), 0.0f, 1e-4);
    EXPECT_EQ(interfaz->getPuntos(), antes + 1400);

    // Cualquier ángulo: de rapidez 10 a 8,5.
    for (float angulo = 0.1f; angulo < 6.2f; angulo += 0.7f) {
        auto q = pieza(9, 7, 1);
        std::unique_ptr<Pelotita> c(Ayudas::bola(9 + 0.5f * std::cos(angulo),
                                                 7 + 0.5f * std::sin(angulo), 6, -8));
        EXPECT_TRUE(q->colisionar(*c));
        EXPECT_NEAR(rapidez(*c), 8.5f, 1e-4) << angulo;
    }
}

TEST(Pieza, ContactoJustoInvisiblesYDosPiezasEnUnCuadro) {
    Ayudas::juego();
    // Radios de 0,25: la suma 0,5 y la distancia 0,5 son exactas en float.
    auto justa = pieza(5, 5.5f, 1, 0.25f);
    std::unique_ptr<Pelotita> b(Ayudas::bola(5, 6, 0, -10, 0.25f));
    EXPECT_TRUE(justa->colisionar(*b));
    std::unique_ptr<Pelotita> apenas(Ayudas::bola(5, 6.0001f, 0, -10, 0.25f));
    auto otra = pieza(5, 5.5f, 1, 0.25f);
    EXPECT_FALSE(otra->colisionar(*apenas));
    EXPECT_EQ(apenas->getVelY(), -10.0f);

    // Una pieza invisible no choca, esté donde esté la bola.
    auto oculta = pieza(5, 5.5f, 0);
    oculta->setVisible(false);
    std::unique_ptr<Pelotita> encima(Ayudas::bola(5, 5.5f, 3, -10));
    EXPECT_FALSE(oculta->colisionar(*encima));
    EXPECT_FALSE(oculta->isGolpeada());
    EXPECT_EQ(encima->getVelX(), 3.0f);

    // Dos piezas en el mismo cuadro: rebotan las dos, en orden.
    auto p1 = pieza(8.6f, 7, 0);
    auto p2 = pieza(9.4f, 7, 0);
    std::unique_ptr<Pelotita> c(Ayudas::bola(9, 7.2f, 3, -10));
    const float antes = rapidez(*c);
    EXPECT_TRUE(p1->colisionar(*c));
    EXPECT_TRUE(p2->colisionar(*c));
    EXPECT_NEAR(rapidez(*c), antes * 0.85f * 0.85f, 1e-4);

    // Centros que coinciden: la bola sigue su dirección, sin NaN.
    auto centro = pieza(4, 4, 2);
    std::unique_ptr<Pelotita> d(Ayudas::bola(4, 4, 0, -10));
    EXPECT_TRUE(centro->colisionar(*d));
    EXPECT_FLOAT_EQ(d->getVelX(), 0.0f);
    EXPECT_FLOAT_EQ(d->getVelY(), -8.5f);
}
