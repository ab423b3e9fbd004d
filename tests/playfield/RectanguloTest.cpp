#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>

#include "Ayudas.h"
#include "playfield/ModoRender.h"
#include "playfield/Pelotita.h"
#include "playfield/Rectangulo.h"

namespace {

struct Caso {
    float x, y, vx, vy;
    float vxEsperada, vyEsperada;
    bool rebota;
};

}  // namespace

TEST(Rectangulo, RebotesEnLasTresParedes) {
    Ayudas::juego();
    Rectangulo tablero(0, 0, 0, 0, 0, 0);
    tablero.crearGeometria(18, 15);
    EXPECT_EQ(tablero.getAncho(), 18.0f);
    EXPECT_EQ(tablero.getAlto(), 15.0f);

    const Caso casos[] = {
        {17.5f, 7, 10, 3, -8.5f, 3, true},     // toca justo la derecha yendo a la derecha
        {17.5f, 7, -10, 3, -10, 3, false},     // la toca yendo a la izquierda
        {17.49f, 7, 10, 3, 10, 3, false},      // no llega a tocarla
        {0.5f, 7, -10, 3, 8.5f, 3, true},      // toca justo la izquierda
        {0.5f, 7, 10, 3, 10, 3, false},
        {9, 14.5f, 2, 10, 2, -8, true},        // techo: pierde el 20 %
        {9, 14.5f, 2, -10, 2, -10, false},
        {17.9f, 14.9f, 10, 10, -8.5f, -8, true},  // esquina: las dos a la vez
        {0.1f, 14.9f, -10, 10, 8.5f, -8, true},
        {9, -3, 0, -20, 0, -20, false},        // abajo no hay pared
        {30, -3, 5, -20, -4.25f, -20, true},   // lejos afuera sigue contando la recta derecha
        {9, 7, 10, 10, 10, 10, false},
    };
    for (const Caso& c : casos) {
        std::unique_ptr<Pelotita> b(Ayudas::bola(c.x, c.y, c.vx, c.vy, 0.5f));
        EXPECT_EQ(tablero.colisionar(*b), c.rebota) << c.x << "," << c.y;
        EXPECT_FLOAT_EQ(b->getVelX(), c.vxEsperada) << c.x << "," << c.y;
        EXPECT_FLOAT_EQ(b->getVelY(), c.vyEsperada) << c.x << "," << c.y;
        EXPECT_EQ(b->getVelZ(), 0.0f);
        EXPECT_EQ(b->getX(), c.x);
    }
}

TEST(Rectangulo, ImagenDerechaConTexturaYRojoOscuroSinElla) {
    Ayudas::juego();
    Ayudas::Carpeta carpeta;
    // Cuatro cuadrantes: rojo arriba a la izquierda, verde arriba a la derecha,
    // azul abajo a la izquierda, blanco abajo a la derecha.
    const std::string archivo = carpeta.escribir("cuadrantes.bmp",
        Ayudas::bmp24(8, 8, [](int x, int y) -> Ayudas::Color {
            if (y < 4) return x < 4 ? Ayudas::Color{255, 0, 0} : Ayudas::Color{0, 255, 0};
            return x < 4 ? Ayudas::Color{0, 0, 255} : Ayudas::Color{255, 255, 255};
        }));
    Rectangulo tablero(0, 0, 0, 0, 0, 0);
    tablero.crearGeometria(18, 15);
    tablero.cargarTextura(archivo.c_str());
    const unsigned int primera = tablero.getTextura();
    tablero.cargarTextura(archivo.c_str());
    EXPECT_NE(tablero.getTextura(), primera);
    EXPECT_TRUE(glIsTexture(tablero.getTextura()));
    EXPECT_FALSE(glIsTexture(primera));

    Ayudas::proyeccionVentana();
    glTranslatef(100, 100, 0);
    glScalef(20, 20, 1);  // el tablero ocupa de (100, 100) a (460, 400)
    ModoRender::getInstance()->elegir(false, false, true, false);
    tablero.render();
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    auto igual = [](Ayudas::Color c, int r, int g, int b) {
        return std::abs(c.r - r) < 8 && std::abs(c.g - g) < 8 && std::abs(c.b - b) < 8;
    };
    EXPECT_TRUE(igual(Ayudas::pixel(130, 370), 255, 0, 0));
    EXPECT_TRUE(igual(Ayudas::pixel(430, 370), 0, 255, 0));
    EXPECT_TRUE(igual(Ayudas::pixel(130, 130), 0, 0, 255));
    EXPECT_TRUE(igual(Ayudas::pixel(430, 130), 255, 255, 255));

    ModoRender::getInstance()->elegir(true, false, false, false);
    tablero.render();
    EXPECT_TRUE(igual(Ayudas::pixel(130, 370), 128, 0, 0));
    EXPECT_TRUE(igual(Ayudas::pixel(430, 130), 128, 0, 0));
    GLint sombreado = 0;
    glGetIntegerv(GL_SHADE_MODEL, &sombreado);
    EXPECT_EQ(sombreado, GL_FLAT);
}
