#include <gtest/gtest.h>

#include <GL/gl.h>

#include "Ayudas.h"
#include "playfield/ModoRender.h"
#include "playfield/Pelotita.h"

TEST(Pelotita, CaidaExactaBajoLaGravedad) {
    Pelotita p(9, 15, 0.5f, 0, 0, 0);
    EXPECT_EQ(p.getVelX(), 0.0f);
    EXPECT_EQ(p.getRadio(), 0.0f);
    p.mover(0.1f);
    EXPECT_FLOAT_EQ(p.getY(), 14.55f);
    EXPECT_FLOAT_EQ(p.getVelY(), -9.0f);
    EXPECT_EQ(p.getX(), 9.0f);
    EXPECT_EQ(p.getZ(), 0.5f);
    EXPECT_EQ(p.getVelX(), 0.0f);
    EXPECT_EQ(p.getVelZ(), 0.0f);

    // El paso es exacto para gravedad constante: dos medios pasos dan lo mismo.
    Pelotita a(3, 10, 0.5f, 0, 0, 0), b(3, 10, 0.5f, 0, 0, 0);
    a.setVelocidad(4, 7, 0);
    b.setVelocidad(4, 7, 0);
    a.mover(0.1f);
    b.mover(0.05f);
    b.mover(0.05f);
    EXPECT_NEAR(a.getX(), b.getX(), 1e-5);
    EXPECT_NEAR(a.getY(), b.getY(), 1e-5);
    EXPECT_NEAR(a.getVelY(), b.getVelY(), 1e-5);
    EXPECT_FLOAT_EQ(a.getX(), 3.4f);
    EXPECT_FLOAT_EQ(a.getY(), 10 + 0.7f - 0.45f);
}

TEST(Pelotita, LimitesDeMovimiento) {
    Pelotita congelada(5, -10, 0.5f, 0, 0, 0);
    congelada.setVelocidad(1, -3, 0);
    congelada.mover(0.1f);
    EXPECT_EQ(congelada.getY(), -10.0f);
    EXPECT_EQ(congelada.getX(), 5.0f);
    EXPECT_EQ(congelada.getVelY(), -3.0f);

    Pelotita casi(5, -9.99f, 0.5f, 0, 0, 0);
    casi.mover(0.1f);
    EXPECT_LT(casi.getY(), -9.99f);

    // Sólo hay tope a la izquierda; la velocidad no cambia.
    Pelotita izquierda(0.1f, 7, 0.5f, 0, 0, 0);
    izquierda.setVelocidad(-5, 0, 0);
    izquierda.mover(0.1f);
    EXPECT_EQ(izquierda.getX(), 0.0f);
    EXPECT_EQ(izquierda.getVelX(), -5.0f);

    Pelotita derecha(17.9f, 7, 0.5f, 0, 0, 0);
    derecha.setVelocidad(5, 0, 0);
    derecha.mover(0.1f);
    EXPECT_FLOAT_EQ(derecha.getX(), 18.4f);
}

TEST(Pelotita, SeDibujaAzulYSinRadioNoSeDibuja) {
    Ayudas::juego();
    Ayudas::proyeccionVentana();
    ModoRender::getInstance()->elegir(false, false, true, false);
    glScalef(100, 100, 1);

    Pelotita sinRadio(4, 3, 0, 0, 0, 0);
    sinRadio.render();
    Ayudas::Color c = Ayudas::pixel(400, 300);
    EXPECT_LT(c.b, 20);

    Pelotita bola(4, 3, 0, 0, 0, 0);
    bola.crearLista(0.3f);
    bola.render();
    c = Ayudas::pixel(400, 300);
    EXPECT_EQ(c.r, 0);
    EXPECT_EQ(c.g, 0);
    EXPECT_EQ(c.b, 255);
    EXPECT_LT(Ayudas::pixel(400 + 35, 300).b, 20);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}
