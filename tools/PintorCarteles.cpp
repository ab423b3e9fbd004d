#include "tools/PintorCarteles.h"

#include <cmath>

#include "tools/Paleta.h"

namespace {

constexpr int ANCHO = 500, ALTO = 160;
constexpr int TAM_TEXTO = 15, LINEAS_TEXTO = 2;

}  // namespace

Lienzo PintorCarteles::cartel(const char* titulo, const char* texto, const Color& arriba,
                              const Color& abajo, const Color& colorTitulo, std::string& error) {
    Lienzo l(ANCHO, ALTO);
    l.degradado(0, 0, ANCHO, ALTO, arriba, abajo);
    l.marco(0, 0, ANCHO, ALTO, 3, Paleta::DORADO.por(0.8));
    l.marco(6, 6, ANCHO - 6, ALTO - 6, 1, Paleta::DORADO.por(0.55));
    negrita.escribirCentrado(l, titulo, ANCHO / 2 + 2, 62, 40, {0.04, 0.03, 0.06});
    negrita.escribirCentrado(l, titulo, ANCHO / 2, 60, 40, colorTitulo);
    const auto lineas = normal.partir(texto, TAM_TEXTO, ANCHO - 60);
    if (lineas.size() > LINEAS_TEXTO) error = std::string("no cabe el texto del cartel ") + titulo;
    const int paso = normal.interlinea(TAM_TEXTO);
    for (size_t i = 0; i < lineas.size(); ++i)
        normal.escribirCentrado(l, lineas[i], ANCHO / 2, 90 + paso * static_cast<int>(i), TAM_TEXTO,
                                Paleta::TEXTO_CLARO);
    normal.escribirCentrado(l, "Haz clic aquí para seguir.", ANCHO / 2, 143, 14,
                            Paleta::TEXTO_TENUE);
    return l;
}

Lienzo PintorCarteles::ganar(std::string& error) {
    Lienzo l = cartel("¡Ganaste!",
                      "Superaste el nivel 3. La partida vuelve a empezar en el nivel 1, con 20 "
                      "bolas y 0 puntos.",
                      {0.20, 0.16, 0.34}, {0.09, 0.07, 0.16}, Paleta::DORADO, error);
    // Chispas doradas en las esquinas, como los fuegos que acompañan al cartel.
    for (int lado = 0; lado < 2; ++lado) {
        const double cx = lado == 0 ? 52 : ANCHO - 52, cy = 44;
        for (int r = 0; r < 12; ++r) {
            const double a = r * 3.14159265358979323846 / 6;
            l.trazo(cx + 9 * std::cos(a), cy + 9 * std::sin(a), cx + 24 * std::cos(a),
                    cy + 24 * std::sin(a), 2.0, r % 2 ? Paleta::DORADO : Color{0.9, 0.5, 0.6});
        }
        l.disco(cx, cy, 4, {1.0, 0.95, 0.8});
    }
    return l;
}

Lienzo PintorCarteles::perder(std::string& error) {
    return cartel("Perdiste",
                  "Superaste el nivel sin bolas de sobra. Vuelves a 20 bolas y 0 puntos, y el "
                  "próximo tiro pasa al nivel siguiente.",
                  {0.30, 0.12, 0.14}, {0.12, 0.05, 0.07}, {0.95, 0.72, 0.66}, error);
}
