#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>

#include "Ayudas.h"
#include "core/Camara.h"
#include "core/Juego.h"
#include "playfield/Gvector.h"

namespace {

void matriz(GLenum cual, float m[16]) {
    glGetFloatv(cual, m);
}

// gluLookAt escrito aparte, en doble precisión, por columnas.
void mirarEsperado(const double o[3], const double c[3], const double a[3], double m[16]) {
    double f[3] = {c[0] - o[0], c[1] - o[1], c[2] - o[2]};
    double lf = std::sqrt(f[0] * f[0] + f[1] * f[1] + f[2] * f[2]);
    for (double& v : f) v /= lf;
    double s[3] = {f[1] * a[2] - f[2] * a[1], f[2] * a[0] - f[0] * a[2], f[0] * a[1] - f[1] * a[0]};
    double ls = std::sqrt(s[0] * s[0] + s[1] * s[1] + s[2] * s[2]);
    for (double& v : s) v /= ls;
    double u[3] = {s[1] * f[2] - s[2] * f[1], s[2] * f[0] - s[0] * f[2], s[0] * f[1] - s[1] * f[0]};
    const double filas[3][3] = {{s[0], s[1], s[2]}, {u[0], u[1], u[2]}, {-f[0], -f[1], -f[2]}};
    for (int i = 0; i < 16; i++) m[i] = 0;
    for (int fila = 0; fila < 3; fila++) {
        for (int col = 0; col < 3; col++) m[col * 4 + fila] = filas[fila][col];
        m[12 + fila] = -(filas[fila][0] * o[0] + filas[fila][1] * o[1] + filas[fila][2] * o[2]);
    }
    m[15] = 1;
}

}  // namespace

TEST(Camara, PerspectivaConLaProporcionDeLaVentana) {
    Juego& juego = Ayudas::juego();
    (void)juego;
    // El servidor X de la prueba mide 1280 x 720: la proporción debe ser la
    // de la ventana de 800 x 600, no la del escritorio.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    Camara camara;
    float m[16];
    matriz(GL_PROJECTION_MATRIX, m);
    const double f = 1.0 / std::tan(22.5 * M_PI / 180.0);
    const double cerca = static_cast<double>(0.1f), lejos = 100.0;
    EXPECT_NEAR(m[0], f / (800.0 / 600.0), 1e-5);
    EXPECT_NEAR(m[5], f, 1e-5);
    EXPECT_NEAR(m[10], (lejos + cerca) / (cerca - lejos), 1e-5);
    EXPECT_NEAR(m[14], 2 * lejos * cerca / (cerca - lejos), 1e-5);
    EXPECT_EQ(m[11], -1.0f);
    EXPECT_EQ(m[15], 0.0f);
    glMatrixMode(GL_MODELVIEW);

    // Antes de elegir nada mira desde el origen hacia (0, 1, 0) con z arriba.
    EXPECT_EQ(camara.getOjo().getX(), 0.0f);
    EXPECT_EQ(camara.getCentro().getY(), 1.0f);
    EXPECT_EQ(camara.getArriba().getZ(), 1.0f);
}

TEST(Camara, LasNuevePosicionesYLaMatrizDeModelo) {
    Juego& juego = Ayudas::juego();
    EXPECT_EQ(juego.getCantCamaras(), 9);
    EXPECT_EQ(juego.getCamaraActual(), 0);
    const Camara& camara = juego.getCamara();
    EXPECT_EQ(camara.getOjo().getX(), 9.0f);
    EXPECT_EQ(camara.getOjo().getY(), 5.0f);
    EXPECT_EQ(camara.getOjo().getZ(), 19.0f);
    EXPECT_EQ(camara.getCentro().getY(), 7.0f);

    const float esperadas[9][6] = {
        {9, 5, 19, 9, 7, 0},      {18, 5, 19, 9, 7, 0},     {0, 5, 19, 9, 7, 0},
        {9, 7.5, 19, 9, 7.5, 0},  {18, 7.5, 19, 9, 7.5, 0}, {0, 7.5, 19, 9, 7.5, 0},
        {9, 15, 19, 9, 7.5, 0},   {18, 15, 19, 9, 7.5, 0},  {0, 15, 19, 9, 7.5, 0},
    };
    for (int i = 0; i < 9; i++) {
        juego.seleccionarCamara(i);
        const float* e = esperadas[i];
        EXPECT_EQ(camara.getOjo().getX(), e[0]) << i;
        EXPECT_EQ(camara.getOjo().getY(), e[1]) << i;
        EXPECT_EQ(camara.getOjo().getZ(), e[2]) << i;
        EXPECT_EQ(camara.getCentro().getX(), e[3]) << i;
        EXPECT_EQ(camara.getCentro().getY(), e[4]) << i;
        EXPECT_EQ(camara.getArriba().getY(), 1.0f) << i;

        glLoadIdentity();
        camara.mirar();
        float m[16];
        matriz(GL_MODELVIEW_MATRIX, m);
        const double o[3] = {e[0], e[1], e[2]}, c[3] = {e[3], e[4], e[5]}, a[3] = {0, 1, 0};
        double esperada[16];
        mirarEsperado(o, c, a, esperada);
        for (int k = 0; k < 16; k++) EXPECT_NEAR(m[k], esperada[k], 1e-5) << i << "," << k;
    }

    // La undécima no entra: avisa y no cambia nada.
    juego.agregarCamara(1, 2, 3, 4, 5, 6, 7, 8, 9);
    EXPECT_EQ(juego.getCantCamaras(), 10);
    testing::internal::CaptureStdout();
    juego.agregarCamara(1, 2, 3, 4, 5, 6, 7, 8, 9);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "No queda lugar para ingresar mas cámaras.");
    EXPECT_EQ(juego.getCantCamaras(), 10);
}

TEST(Camara, LaCamaraQueSigueALaBola) {
    Juego& juego = Ayudas::juego();
    Ayudas::pulsar(juego, SDLK_y);
    EXPECT_FALSE(juego.isCamaraFija());
    juego.actualizar(0.01f);
    const Camara& camara = juego.getCamara();
    EXPECT_EQ(camara.getOjo().getX(), 9.5f);
    EXPECT_EQ(camara.getOjo().getY(), 20.0f);
    EXPECT_EQ(camara.getOjo().getZ(), 3.0f);
    EXPECT_EQ(camara.getCentro().getX(), 9.0f);
    EXPECT_EQ(camara.getCentro().getY(), 15.0f);
    EXPECT_EQ(camara.getCentro().getZ(), 0.5f);
    EXPECT_EQ(camara.getArriba().getZ(), 1.0f);
    EXPECT_EQ(camara.getArriba().getY(), 0.0f);

    // Sigue a la bola también en pausa.
    juego.alternarPausa();
    juego.seleccionarCamara(4);
    juego.actualizar(0.01f);
    EXPECT_EQ(camara.getOjo().getY(), 20.0f);
}
