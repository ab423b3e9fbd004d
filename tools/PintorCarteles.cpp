#include "tools/PintorCarteles.h"

#include <cmath>

#include "tools/Paleta.h"

namespace {

constexpr int ANCHO = 500, ALTO = 160;

}  // namespace

Lienzo PintorCarteles::cartel(const char* titulo, const char* linea1, const char* linea2,
                              const Color& arriba, const Color& abajo, const Color& colorTitulo) {
    Lienzo l(ANCHO, ALTO);
    l.degradado(0, 0, ANCHO, ALTO, arriba, abajo);
    l.marco(0, 0, ANCHO, ALTO, 3, Paleta::DORADO.por(0.8));
    l.marco(6, 6, ANCHO - 6, ALTO - 6, 1, Paleta::DORADO.por(0.55));
    negrita.escribirCentrado(l, titulo, ANCHO / 2 + 2, 74, 48, {0.04, 0.03, 0.06});
    negrita.escribirCentrado(l, titulo, ANCHO / 2, 72, 48, colorTitulo);
    normal.escribirCentrado(l, linea1, ANCHO / 2, 108, 17, Paleta::TEXTO_CLARO);
    normal.escribirCentrado(l, linea2, ANCHO / 2, 134, 15, Paleta::TEXTO_TENUE);
    return l;
}

Lienzo PintorCarteles::ganar() {
    Lienzo l = cartel("¡Ganaste!", "Superaste los tres niveles.", "Haz clic aquí para seguir.",
                      {0.20, 0.16, 0.34}, {0.09, 0.07, 0.16}, Paleta::DORADO);
    // Chispas doradas en las esquinas, como los fuegos que acompañan al cartel.
    for (int lado = 0; lado < 2; ++lado) {
        const double cx = lado == 0 ? 52 : ANCHO - 52, cy = 52;
        for (int r = 0; r < 12; ++r) {
            const double a = r * 3.14159265358979323846 / 6;
            l.trazo(cx + 9 * std::cos(a), cy + 9 * std::sin(a), cx + 24 * std::cos(a),
                    cy + 24 * std::sin(a), 2.0, r % 2 ? Paleta::DORADO : Color{0.9, 0.5, 0.6});
        }
        l.disco(cx, cy, 4, {1.0, 0.95, 0.8});
    }
    return l;
}

Lienzo PintorCarteles::perder() {
    return cartel("Perdiste", "Te quedaste sin bolas.", "Haz clic aquí para seguir.",
                  {0.30, 0.12, 0.14}, {0.12, 0.05, 0.07}, {0.95, 0.72, 0.66});
}
