#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>
#include <memory>

#include "Ayudas.h"
#include "Comparacion.h"
#include "playfield/Pelotita.h"
#include "playfield/ModoRender.h"
#include "playfield/Pieza.h"
#include "playfield/Rectangulo.h"

TEST(Aspecto, TableroConSuImagenYParedesDeUnoYMedio) {
    Ayudas::juego();
    auto parecido = [](const Ayudas::Color& c, const int* e) { return parecidos(c, {e[0], e[1], e[2]}, 2); };
    // La imagen derecha (rojo arriba a la izquierda), de (100, 100) a (460, 400).
    Carpeta carpeta(true);
    ASSERT_EQ(0, std::system("convert -size 8x8 xc:blue -fill red -draw 'rectangle 0,0 3,3' -type truecolor BMP3:c.bmp"));
    Rectangulo tablero(0, 0, 0, 0, 0, 0);
    tablero.crearGeometria(18, 15);
    tablero.cargarTextura("c.bmp");
    Ayudas::proyeccionVentana();
    glTranslatef(100, 100, 0);
    glScalef(20, 20, 0.01f);  // z aplastada para que quepa también visto desde arriba
    ModoRender::getInstance()->elegir(false, false, true, false);
    tablero.render();
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    const int puntos[][5] = {{130, 370, 255, 0, 0}, {430, 370, 0, 0, 255}, {130, 130, 0, 0, 255}};
    for (const auto& e : puntos) EXPECT_TRUE(parecido(Ayudas::pixel(e[0], e[1]), e + 2)) << e[0];
    // Sin textura, rojo oscuro. Desde arriba, las paredes llegan a z = 1,5.
    glRotatef(-90, 1, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    ModoRender::getInstance()->elegir(true, false, false, false);
    tablero.render();
    const int paredes[][5] = {{280, 128, 128, 0, 0}, {280, 132, 3, 3, 3}};
    for (const auto& e : paredes) EXPECT_TRUE(parecido(Ayudas::pixel(e[0], e[1]), e + 2)) << e[1];
    // Cada tipo de pieza, entera y golpeada, con el color de su fila de la tabla.
    const int colores[8][3] = {{128, 51, 51}, {204, 128, 128}, {128, 128, 128}, {204, 204, 204},
                               {0, 255, 0},   {77, 255, 77},   {128, 0, 51},    {204, 77, 128}};
    Ayudas::proyeccionVentana();
    glScalef(1, 1, 0.01f);
    for (int k = 0; k < 8; k++) {
        Pieza p(50 + 100 * k, 300, 0, 0, 0, 0);
        p.setTipo(k / 2);
        p.crearLista(20);
        if (k % 2) p.colisionar(*std::unique_ptr<Pelotita>(Ayudas::bola(50 + 100 * k, 300, 0, -10)));
        p.render();
        EXPECT_TRUE(parecido(Ayudas::pixel(50 + 100 * k, 300), colores[k])) << k;
    }
    // Esferas de 15 cortes: una de 8 no llega a 0,95 del radio entre dos cortes, a 22,5 grados.
    Pieza grande(400, 300, 0, 0, 0, 0);
    grande.crearLista(200);
    grande.render();
    EXPECT_TRUE(parecido(Ayudas::pixel(400 + 190 * std::sin(M_PI / 8), 300 + 190 * std::cos(M_PI / 8)), colores[0]));
}
