#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>

#include "Ayudas.h"
#include "screens/NumerosLinea.h"

namespace {

const int T = 40;  // tamaño de celda de la prueba: medio ancho y cuarto de alto enteros

// Punto medio de cada segmento dentro de una celda de tamaño T.
const int MEDIOS[7][2] = {{0, T / 4}, {0, 3 * T / 4}, {T / 4, T}, {T / 2, 3 * T / 4},
                          {T / 2, T / 4}, {T / 4, 0}, {T / 4, T / 2}};

bool encendido(int x, int y) {
    Ayudas::Color c = Ayudas::pixel(x, y);
    return c.b > 60;
}

// Qué segmentos de la celda con esquina (x, y) se ven, como "1111110".
std::string segmentos(int x, int y) {
    std::string s;
    for (const auto& m : MEDIOS) s += encendido(x + m[0], y + m[1]) ? '1' : '0';
    return s;
}

void dibujar(int valor, double tamanio, float x, float y) {
    Ayudas::proyeccionVentana();
    NumerosLinea::getInstance().dibujarNumero(valor, tamanio, x, y);
}

}  // namespace

TEST(NumerosLinea, SegmentosDeCadaCifraLeidosDeLaPantalla) {
    Ayudas::juego();
    dibujar(0, T, 100, 100);
    EXPECT_EQ(segmentos(100, 100), "1111110");
    EXPECT_EQ(segmentos(100 + T, 100), "0000000");
    Ayudas::Color c = Ayudas::pixel(100, 110);
    EXPECT_NEAR(c.r, 77, 2);
    EXPECT_NEAR(c.g, 75, 2);
    EXPECT_NEAR(c.b, 118, 2);
    GLfloat ancho = 0;
    glGetFloatv(GL_LINE_WIDTH, &ancho);
    EXPECT_EQ(ancho, 2.5f);

    dibujar(7, T, 100, 100);
    EXPECT_EQ(segmentos(100, 100), "0111100");

    const char* esperadas[] = {"1111110", "0001100", "1011011", "0011111", "0101101",
                               "0110111", "1110111", "0111100", "1111111", "0111111"};
    for (int d = 0; d < 10; d++) {
        dibujar(d, T, 100, 100);
        EXPECT_EQ(segmentos(100, 100), esperadas[d]) << d;
    }
    GLint modo = 0;
    glGetIntegerv(GL_MATRIX_MODE, &modo);
    EXPECT_EQ(modo, GL_MODELVIEW);
}

TEST(NumerosLinea, VariasCifrasYNegativos) {
    Ayudas::juego();
    dibujar(20, T, 100, 100);
    EXPECT_EQ(segmentos(100, 100), "1011011");
    EXPECT_EQ(segmentos(100 + T, 100), "1111110");
    EXPECT_EQ(segmentos(100 + 2 * T, 100), "0000000");
    EXPECT_FALSE(encendido(100 + T / 2 + 8, 100 + T / 2));  // hueco entre celdas

    // El 20 del contador de bolas, tamaño 15: celdas en x 670 y 685.
    dibujar(20, 15, 670, 420);
    EXPECT_TRUE(encendido(670, 423));      // abajo a la izquierda del 2
    EXPECT_FALSE(encendido(670, 431));     // arriba a la izquierda del 2: apagado
    EXPECT_TRUE(encendido(677, 431));      // arriba a la derecha del 2
    EXPECT_TRUE(encendido(685, 431));      // el 0 empieza en 685
    EXPECT_FALSE(encendido(681, 428));
    EXPECT_FALSE(encendido(688, 427));     // el 0 no tiene medio
    EXPECT_FALSE(encendido(674, 437));     // nada por encima de y 435 + el grosor

    dibujar(1000, T, 50, 100);
    EXPECT_EQ(segmentos(50, 100), "0001100");
    EXPECT_EQ(segmentos(50 + 3 * T, 100), "1111110");
    EXPECT_EQ(segmentos(50 + 4 * T, 100), "0000000");

    // Negativo: un signo menos y después el valor absoluto.
    dibujar(-5, T, 100, 100);
    EXPECT_EQ(segmentos(100, 100), "0000001");
    EXPECT_EQ(segmentos(100 + T, 100), "0110111");
    dibujar(-10, T, 100, 100);
    EXPECT_EQ(segmentos(100, 100), "0000001");
    EXPECT_EQ(segmentos(100 + T, 100), "0001100");
    EXPECT_EQ(segmentos(100 + 2 * T, 100), "1111110");
}
