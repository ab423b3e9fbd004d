#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "Proyeccion.h"
#include "Sesion.h"

namespace {

struct PiezaArchivo {
    float x, y;
    int tipo;
};

std::vector<PiezaArchivo> leerNivel(const std::string& nombre) {
    std::ifstream archivo(nombre);
    int n = 0;
    archivo >> n;
    std::vector<PiezaArchivo> piezas(static_cast<size_t>(n));
    for (PiezaArchivo& p : piezas) archivo >> p.x >> p.y >> p.tipo;
    return piezas;
}

// El color más saturado en un anillo alrededor del centro: el centro de cada
// esfera lo blanquea el brillo especular.
EscritorioX::Color colorDePieza(const EscritorioX::Captura& c, double vx, double vy) {
    EscritorioX::Color mejor = {0, 0, 0};
    int saturacionMejor = -1;
    for (int angulo = 0; angulo < 360; angulo += 15) {
        for (double r : {3.0, 4.5, 6.0}) {
            const int x = static_cast<int>(vx + r * std::cos(angulo * M_PI / 180));
            const int y = static_cast<int>(vy + r * std::sin(angulo * M_PI / 180));
            const EscritorioX::Color p = c.desdeAbajo(x, y);
            const int saturacion = std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b});
            if (saturacion > saturacionMejor) {
                saturacionMejor = saturacion;
                mejor = p;
            }
        }
    }
    return mejor;
}

// Tipo por el tono: 0 rojo oscuro (verde igual a azul), 1 gris, 2 verde,
// 3 morado (más azul que verde).
int tipoPorColor(const EscritorioX::Color& p) {
    const int saturacion = std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b});
    if (saturacion < 40) return 1;
    if (p.g > p.r + 40 && p.g > p.b + 40) return 2;
    if (p.r > p.g + 40 && std::abs(p.g - p.b) < 25) return 0;
    if (p.r > p.g + 40 && p.b > p.g + 25) return 3;
    return -1;
}

}  // namespace

TEST(Piezas, LasDelNivelUnoEstanDondeDiceElArchivoConSusColores) {
    Sesion s;
    ASSERT_NE(s.ventana, 0u) << s.juego.error();
    const EscritorioX::Captura c = s.mirar();
    // Las piezas al alcance del caño pueden quedar tapadas por el cañón,
    // según hacia dónde apunte al arrancar.
    auto piezas = leerNivel(std::string(RAIZ_REPOSITORIO) + "/resources/pantalla1.txt");
    piezas.erase(std::remove_if(piezas.begin(), piezas.end(),
                                [](const PiezaArchivo& p) { return std::hypot(p.x - 9, p.y - 15) < 2.8; }),
                 piezas.end());
    ASSERT_GE(piezas.size(), 40u);
    int acertadas = 0;
    for (const PiezaArchivo& p : piezas) {
        double vx, vy;
        proyectarCamaraInicial(p.x, p.y, 0.2, vx, vy);
        const EscritorioX::Color color = colorDePieza(c, vx, vy);
        const int tipo = tipoPorColor(color);
        EXPECT_EQ(tipo, p.tipo) << "pieza en (" << p.x << ", " << p.y << "): " << color.r << ","
                                << color.g << "," << color.b;
        if (tipo == p.tipo) acertadas++;
    }
    EXPECT_EQ(acertadas, static_cast<int>(piezas.size()));

    // Control: medio tablero más allá de cada centro casi nunca hay una pieza
    // del mismo tipo, así que acertar en los centros no es casualidad.
    int corridas = 0;
    for (const PiezaArchivo& p : piezas) {
        double vx, vy;
        proyectarCamaraInicial(p.x + 0.45, p.y + 0.45, 0.2, vx, vy);
        if (tipoPorColor(colorDePieza(c, vx, vy)) == p.tipo) corridas++;
    }
    EXPECT_LT(corridas, static_cast<int>(piezas.size()) / 2);
}
