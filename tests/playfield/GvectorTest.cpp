#include <gtest/gtest.h>

#include <cmath>

#include "playfield/Gvector.h"

namespace {

Gvector v(float x, float y, float z) {
    Gvector r(0, 0, 0, 0, 0, 0);
    r.set(x, y, z);
    return r;
}

}  // namespace

TEST(Gvector, NaceEnUnoYLaAritmeticaEsEnElLugar) {
    Gvector nuevo(5, 6, 7, 8, 9, 10);
    EXPECT_EQ(nuevo.getX(), 1.0f);
    EXPECT_EQ(nuevo.getY(), 1.0f);
    EXPECT_EQ(nuevo.getZ(), 1.0f);
    EXPECT_EQ(nuevo.set(2, 3, 4), &nuevo);

    Gvector a = v(1, 2, 3);
    EXPECT_EQ(a.productoEscalar(v(4, 5, 6)), 32.0f);
    a.sumar(v(1, 1, 1));
    EXPECT_EQ(a.getX(), 2.0f);
    EXPECT_EQ(a.getZ(), 4.0f);

    Gvector b = v(10, -3, 2);
    b.multiplicar(v(-0.85f, 1, 1));
    EXPECT_EQ(b.getX(), -8.5f);
    EXPECT_EQ(b.getY(), -3.0f);
    EXPECT_EQ(b.getZ(), 2.0f);
    b.escalar(2);
    EXPECT_EQ(b.getX(), -17.0f);

    Gvector c(0, 0, 0, 0, 0, 0);
    c.copiar(v(7, 8, 9));
    EXPECT_EQ(c.getY(), 8.0f);
}

TEST(Gvector, NormalizarSoloTocaElPlanoYModuloUsaLasTres) {
    Gvector a = v(3, 4, 7);
    a.normalizar();
    EXPECT_FLOAT_EQ(a.getX(), 0.6f);
    EXPECT_FLOAT_EQ(a.getY(), 0.8f);
    EXPECT_EQ(a.getZ(), 7.0f);

    EXPECT_EQ(v(3, 4, 12).modulo(), 13.0f);
    EXPECT_EQ(v(0, 0, -5).modulo(), 5.0f);

    // Sin parte x-y no hay dirección: queda igual, sin NaN.
    Gvector nulo = v(0, 0, 2);
    nulo.normalizar();
    EXPECT_EQ(nulo.getX(), 0.0f);
    EXPECT_EQ(nulo.getY(), 0.0f);
    EXPECT_EQ(nulo.getZ(), 2.0f);

    EXPECT_EQ(raizCuadrada(2.0f), static_cast<float>(std::sqrt(2.0)));
}
