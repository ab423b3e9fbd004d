#include "tools/PintorIcono.h"

#include <algorithm>
#include <cmath>

#include "tools/Paleta.h"

namespace {

// Medidas en fracciones del lado.
constexpr double MARGEN = 0.02;
constexpr double BORDE = 0.05;
constexpr double PIVOTE_X = 0.5, PIVOTE_Y = 0.2;
constexpr double RADIO_BASE = 0.12;
// El caño apunta abajo a la derecha, hacia la bola.
constexpr double ANGULO_CANIO = 0.45;
constexpr double LARGO_CANIO = 0.26;
constexpr double RADIO_PIEZA = 0.07;

constexpr int PASOS_CANIO = 24;

constexpr Color ACERO{0.58, 0.60, 0.66};
constexpr Color ACERO_CLARO{0.86, 0.87, 0.90};
constexpr Color ACERO_OSCURO{0.32, 0.33, 0.37};
constexpr Color BOLA{0.93, 0.93, 0.96};

struct PiezaIcono {
    double x, y;
    int tipo;
};
// Una de cada tipo y dos rojas oscuras, las que hay que despejar.
constexpr PiezaIcono PIEZAS[] = {{0.27, 0.50, 0}, {0.80, 0.45, 1}, {0.46, 0.74, 2},
                                 {0.67, 0.82, 3}, {0.27, 0.73, 0}};

double radioInsignia(int lado) { return lado * (0.5 - MARGEN); }

}  // namespace

Lienzo PintorIcono::pintar(int lado) {
    const double c = lado / 2.0, radio = radioInsignia(lado);
    Lienzo l(lado, lado, Paleta::DORADO);
    // El fondo es un degradado del panel; el disco lo recorta dentro del borde.
    Lienzo fondo(lado, lado);
    fondo.degradado(0, 0, lado, lado, Paleta::PANEL_ARRIBA, Paleta::PANEL_ABAJO.por(0.7));
    const double interior = radio - std::max(BORDE * lado, 1.0);
    for (int y = 0; y < lado; ++y)
        for (int x = 0; x < lado; ++x) {
            const double d = std::hypot(x + 0.5 - c, y + 0.5 - c);
            l.mezclar(x, y, fondo.leer(x, y), std::clamp(interior - d + 0.5, 0.0, 1.0));
        }

    for (const PiezaIcono& p : PIEZAS)
        l.esfera(p.x * lado, p.y * lado, RADIO_PIEZA * lado, Paleta::PIEZA_ENCENDIDA[p.tipo]);

    const double px = PIVOTE_X * lado, py = PIVOTE_Y * lado;
    const double dx = std::sin(ANGULO_CANIO), dy = std::cos(ANGULO_CANIO);
    const double largo = LARGO_CANIO * lado;
    // La bola sale por donde apunta el caño.
    l.esfera(px + dx * (largo + 0.15 * lado), py + dy * (largo + 0.15 * lado), 0.055 * lado, BOLA);
    l.disco(px, py, RADIO_BASE * lado, ACERO_OSCURO);
    l.disco(px, py, (RADIO_BASE - 0.03) * lado, ACERO);
    // El caño se ensancha hacia la boca: discos cada vez más grandes a lo largo.
    for (int i = 0; i <= PASOS_CANIO; ++i) {
        const double t = double(i) / PASOS_CANIO;
        const double radio = (0.05 + 0.025 * t * t) * lado;
        l.disco(px + dx * largo * t, py + dy * largo * t, radio + 0.015 * lado, ACERO_OSCURO);
    }
    for (int i = 0; i <= PASOS_CANIO; ++i) {
        const double t = double(i) / PASOS_CANIO;
        const double radio = (0.05 + 0.025 * t * t) * lado;
        l.disco(px + dx * largo * t, py + dy * largo * t, radio, ACERO);
    }
    // Brillo a lo largo del caño, del lado de la luz.
    const double bx = -dy * 0.025 * lado, by = dx * 0.025 * lado;
    l.trazo(px - bx, py - by, px + dx * largo * 0.9 - bx, py + dy * largo * 0.9 - by, 0.025 * lado,
            ACERO_CLARO);
    l.esfera(px, py, 0.06 * lado, ACERO);
    return l;
}

std::vector<double> PintorIcono::opacidad(int lado) {
    const double c = lado / 2.0, radio = radioInsignia(lado);
    std::vector<double> alfa;
    alfa.reserve(static_cast<size_t>(lado) * lado);
    for (int y = 0; y < lado; ++y)
        for (int x = 0; x < lado; ++x)
            alfa.push_back(std::clamp(radio - std::hypot(x + 0.5 - c, y + 0.5 - c) + 0.5, 0.0, 1.0));
    return alfa;
}
