// Las imágenes guardadas en resources/: cabeceras que el juego puede leer y
// los lugares que el juego dibuja encima (contadores, botones y marcas).
#include <gtest/gtest.h>

#include "MapaBits.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// La región [x0, x1) x [f0, f1) tiene un solo color.
bool lisa(const MapaBits& m, int x0, int f0, int x1, int f1) {
    for (int f = f0; f < f1; ++f)
        for (int x = x0; x < x1; ++x)
            if (m.pixel(x, f) != m.pixel(x0, f0)) return false;
    return true;
}

}  // namespace

TEST(MapasBits, CabecerasQueElJuegoLee) {
    const struct {
        const char* nombre;
        int ancho, alto;
    } esperados[] = {{"pantalla1.bmp", 576, 480},     {"pantalla2.bmp", 576, 480},
                     {"pantalla3.bmp", 576, 480},     {"menu.bmp", 160, 600},
                     {"ayuda_button.bmp", 140, 35},   {"Ajustes.bmp", 140, 35},
                     {"salir_button.bmp", 140, 35},   {"ayuda.bmp", 640, 480},
                     {"configuracion.bmp", 640, 480}, {"tick.bmp", 16, 16},
                     {"ganar.bmp", 500, 160},         {"perder.bmp", 500, 160},
                     {"hyperb.bmp", 256, 256},        {"particle.bmp", 64, 64}};
    for (const auto& e : esperados) {
        SCOPED_TRACE(e.nombre);
        const MapaBits m(std::string("resources/") + e.nombre);
        ASSERT_GE(m.datos.size(), 54u);
        EXPECT_EQ(m.datos[0], 'B');
        EXPECT_EQ(m.datos[1], 'M');
        EXPECT_EQ(m.entero(2, 4), m.datos.size());
        EXPECT_EQ(m.entero(10, 4), 54u);  // los píxeles justo tras las cabeceras
        EXPECT_EQ(m.entero(14, 4), 40u);  // BITMAPINFOHEADER
        EXPECT_EQ(m.ancho, e.ancho);
        EXPECT_EQ(m.alto, e.alto);  // positivo: filas de abajo arriba
        EXPECT_EQ(m.ancho % 4, 0);
        EXPECT_EQ(m.entero(26, 2), 1u);
        EXPECT_EQ(m.entero(28, 2), 24u);
        EXPECT_EQ(m.entero(30, 4), 0u);  // sin compresión
        EXPECT_EQ(m.entero(46, 4), 0u);  // sin paleta
        EXPECT_EQ(m.datos.size(), 54u + 3u * e.ancho * e.alto);
    }
}

TEST(MapasBits, PanelDejaSitioAContadoresYBotones) {
    const MapaBits m("resources/menu.bmp");
    ASSERT_EQ(m.ancho, 160);
    // Celdas de 7,5 x 15 cada 15 píxeles; la fila 0 del mapa es la 599 de la ventana.
    const struct {
        int x, y, digitos;
    } contadores[] = {{750, 25, 3}, {690, 530, 7}, {670, 420, 3}, {750, 420, 3}};
    for (const auto& c : contadores) {
        SCOPED_TRACE(c.x * 1000 + c.y);
        const int x0 = c.x - 640 - 2, x1 = c.x - 640 + 15 * (c.digitos - 1) + 8 + 2;
        const int f0 = 600 - (c.y + 15) - 2, f1 = 600 - c.y + 2;
        for (int f = f0; f < f1; ++f)
            for (int x = x0; x < x1; ++x) ASSERT_GT(m.luminancia(x, f), 200.0) << x << "," << f;
    }
    // Los botones van en ventana (645, 300) y (645, 240), de 140x35: cada fila
    // de esa franja, con margen, es de un solo color.
    for (int f = 600 - 335 - 8; f < 600 - 240 + 8; ++f) EXPECT_TRUE(lisa(m, 3, f, 157, f + 1)) << f;
}

TEST(MapasBits, ChispaGrisQueSeApagaHaciaElBorde) {
    // El juego la suma teñida: un píxel no negro en el borde dibujaría el cuadrado.
    const MapaBits m("resources/particle.bmp");
    ASSERT_EQ(m.ancho, 64);
    ASSERT_EQ(m.alto, 64);
    EXPECT_GE(m.pixel(32, 32)[0], 240);
    for (int f = 0; f < 64; ++f)
        for (int x = 0; x < 64; ++x) {
            SCOPED_TRACE(testing::Message() << x << "," << f);
            const auto p = m.pixel(x, f);
            EXPECT_TRUE(p[0] == p[1] && p[1] == p[2]);
            if (std::hypot(x + 0.5 - 32, f + 0.5 - 32) >= 31) {
                EXPECT_EQ(p[0], 0);
            }
            // Ningún anillo: el vecino hacia el centro nunca es más oscuro.
            const int hx = x < 32 ? x + 1 : x - 1, hf = f < 32 ? f + 1 : f - 1;
            EXPECT_GE(m.pixel(hx, f)[0], p[0]);
            EXPECT_GE(m.pixel(x, hf)[0], p[0]);
        }
}

TEST(MapasBits, PaginasDejanLibreElBotonDeSalida) {
    // Botón en ventana (550, 420)-(690, 455): columnas 470..610, filas 85..120.
    for (const char* nombre : {"resources/ayuda.bmp", "resources/configuracion.bmp"}) {
        const MapaBits m(nombre);
        ASSERT_EQ(m.ancho, 640) << nombre;
        EXPECT_TRUE(lisa(m, 470 - 6, 85 - 6, 610 + 6, 120 + 6)) << nombre;
    }
}

TEST(MapasBits, CadaMarcaCaeEnSuCaja) {
    const MapaBits pagina("resources/configuracion.bmp");
    const MapaBits marca("resources/tick.bmp");
    ASSERT_EQ(pagina.ancho, 640);
    ASSERT_EQ(marca.ancho, 16);
    // La marca se dibuja sin mezcla: su contorno es del blanco de las cajas, y
    // su trazo es oscuro.
    int oscuros = 0;
    for (int f = 0; f < 16; ++f)
        for (int x = 0; x < 16; ++x) {
            if (f == 0 || f == 15 || x == 0 || x == 15) {
                EXPECT_EQ(marca.pixel(x, f), (std::array<int, 3>{255, 255, 255})) << x << "," << f;
            }
            oscuros += marca.luminancia(x, f) < 100;
        }
    EXPECT_GE(oscuros, 30);

    const float fx[24] = {0.422f, 0.84f,  0.64f,  0.84f,  0.64f,  0.33f,  0.422f, 0.463f,
                          0.685f, 0.882f, 0.463f, 0.685f, 0.882f, 0.463f, 0.685f, 0.882f,
                          0.372f, 0.436f, 0.372f, 0.436f, 0.53f,  0.645f, 0.77f,  0.9f};
    const float fy[24] = {0.57f,  0.57f,  0.57f,  0.6645f, 0.6645f, 0.75f,  0.6645f, 0.475f,
                          0.475f, 0.475f, 0.378f, 0.378f,  0.378f,  0.275f, 0.275f,  0.275f,
                          0.2f,   0.2f,   0.12f,  0.12f,   0.06f,   0.06f,  0.06f,   0.06f};
    for (int i = 0; i < 24; ++i) {
        SCOPED_TRACE(i + 1);
        const float x = 80 + 640.0f * fx[i];
        const float y = 60 + 480.0f * fy[i] - (i == 3 || i == 4 ? 3 : 0);
        // Píxeles de la página cuyo centro cubre la marca de 13x14.
        const int c0 = static_cast<int>(std::ceil(x - 80 - 0.5f)),
                  c1 = static_cast<int>(std::ceil(x - 80 + 13 - 0.5f));
        const int f0 = static_cast<int>(std::ceil(540 - y - 14 - 0.5f)),
                  f1 = static_cast<int>(std::ceil(540 - y - 0.5f));
        // Debajo de la marca, el blanco de la caja; alrededor, un píxel blanco
        // y el borde oscuro de la caja, a lo sumo a tres píxeles.
        for (int f = f0 - 1; f <= f1; ++f)
            for (int c = c0 - 1; c <= c1; ++c)
                ASSERT_EQ(pagina.luminancia(c, f), 255.0) << c << "," << f;
        const int fm = (f0 + f1) / 2, cm = (c0 + c1) / 2;
        auto bordeEntre = [&](int desde, int hasta, bool horizontal) {
            for (int k = desde; k != hasta; k += desde < hasta ? 1 : -1)
                if ((horizontal ? pagina.luminancia(k, fm) : pagina.luminancia(cm, k)) < 110)
                    return true;
            return false;
        };
        EXPECT_TRUE(bordeEntre(c0 - 2, c0 - 4, true));
        EXPECT_TRUE(bordeEntre(c1 + 1, c1 + 3, true));
        EXPECT_TRUE(bordeEntre(f0 - 2, f0 - 4, false));
        EXPECT_TRUE(bordeEntre(f1 + 1, f1 + 3, false));
    }
}
