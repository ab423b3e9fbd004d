#include <gtest/gtest.h>

#include <GL/gl.h>

#include "Ayudas.h"
#include "core/Iluminacion.h"
#include "core/Juego.h"

namespace {

void luz(GLenum l, GLenum p, float v[4]) {
    glGetLightfv(l, p, v);
}

}  // namespace

TEST(Iluminacion, ElJuegoArrancaConLasTresLucesEncendidas) {
    Juego& juego = Ayudas::juego();
    const Iluminacion* luces = juego.getIluminacion();
    EXPECT_TRUE(luces->isAmbientalEncendida());
    EXPECT_TRUE(luces->isDifusaEncendida());
    EXPECT_TRUE(luces->isEspecularEncendida());
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT2));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    float fondo[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, fondo);
    EXPECT_FLOAT_EQ(fondo[0], 0.01f);
    EXPECT_FLOAT_EQ(fondo[3], 0.0f);
}

TEST(Iluminacion, EstadoDeOpenGLAlCrearlaYAlCambiarla) {
    Ayudas::juego();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Iluminacion luces;
    EXPECT_FALSE(luces.isAmbientalEncendida());
    EXPECT_FALSE(luces.isDifusaEncendida());
    EXPECT_FALSE(luces.isEspecularEncendida());
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT2));

    float v[4];
    luz(GL_LIGHT1, GL_AMBIENT, v);
    EXPECT_EQ(v[0], 1.0f);
    EXPECT_EQ(v[3], 1.0f);
    luz(GL_LIGHT0, GL_DIFFUSE, v);
    EXPECT_EQ(v[0], 1.5f);
    EXPECT_EQ(v[2], 1.5f);
    EXPECT_EQ(v[3], 1.0f);
    luz(GL_LIGHT2, GL_SPECULAR, v);
    EXPECT_EQ(v[1], 1.0f);
    luz(GL_LIGHT0, GL_POSITION, v);
    EXPECT_EQ(v[0], 15.0f);
    EXPECT_EQ(v[1], 10.0f);
    EXPECT_EQ(v[2], 0.0f);
    EXPECT_EQ(v[3], 1.0f);
    glGetMaterialfv(GL_FRONT, GL_SHININESS, v);
    EXPECT_EQ(v[0], 20.0f);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, v);
    EXPECT_EQ(v[0], 1.0f);
    GLint modo = 0;
    glGetIntegerv(GL_COLOR_MATERIAL_PARAMETER, &modo);
    EXPECT_EQ(modo, GL_AMBIENT_AND_DIFFUSE);
    glGetIntegerv(GL_COLOR_MATERIAL_FACE, &modo);
    EXPECT_EQ(modo, GL_FRONT);

    // Cualquier índice fuera de 0 y 1 es la especular.
    luces.alternarLuz(5);
    EXPECT_TRUE(luces.isEspecularEncendida());
    EXPECT_TRUE(glIsEnabled(GL_LIGHT2));
    luces.alternarLuz(1);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    luces.alternarLuz(1);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(luces.isDifusaEncendida());
    luces.alternarLuz(0);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));

    const float rojo[4] = {1, 0, 0, 0};
    luces.setColorLuz(0, rojo);
    luz(GL_LIGHT1, GL_AMBIENT, v);
    EXPECT_EQ(v[0], 1.0f);
    EXPECT_EQ(v[1], 0.0f);
    luces.setColorLuz(1, rojo);
    luz(GL_LIGHT0, GL_DIFFUSE, v);
    EXPECT_EQ(v[2], 0.0f);
    luces.setColorLuz(7, rojo);
    luz(GL_LIGHT2, GL_SPECULAR, v);
    EXPECT_EQ(v[1], 0.0f);

    const float lugar[4] = {1, 2, 3, 1};
    luces.setPosicionLuz(0, lugar);
    luces.setPosicionLuz(2, lugar);
    luz(GL_LIGHT0, GL_POSITION, v);
    EXPECT_EQ(v[0], 15.0f);
    luces.setPosicionLuz(1, lugar);
    luz(GL_LIGHT0, GL_POSITION, v);
    EXPECT_EQ(v[0], 1.0f);
    EXPECT_EQ(v[2], 3.0f);
}
