#include "tools/PintorTexturas.h"

#include <algorithm>
#include <cmath>

#include "tools/Ruido.h"

namespace {

constexpr int LADO_ACERO = 256;
constexpr int LADO_CHISPA = 64;
// Franjas remachadas, en t: a lo largo del caño caen a los lados de los muñones.
constexpr double FRANJAS[] = {0.12, 0.33};
constexpr double ANCHO_FRANJA = 11;
// Remaches por vuelta; dividen el ancho para que no haya costura.
constexpr int REMACHES = 16;
// Surcos finos grabados, en t.
constexpr double SURCOS[] = {0.64, 0.83};

// Remache como media esfera iluminada desde arriba a la izquierda.
Color remache(const Color& fondo, double dx, double dy, double radio) {
    const double d = std::hypot(dx, dy);
    const double cubre = std::clamp(radio - d + 0.5, 0.0, 1.0);
    if (cubre <= 0) return fondo;
    const double h = std::sqrt(std::max(0.0, 1 - (d / radio) * (d / radio)));
    const double luz =
        std::clamp((-0.5 * dx / radio - 0.5 * dy / radio + 0.7 * h) / 0.95, 0.0, 1.0);
    const Color metal = Color::mezcla({0.30, 0.31, 0.34}, {0.92, 0.93, 0.95}, luz);
    return Color::mezcla(fondo, metal, cubre);
}

Color acero(double x, double y) {
    const double manchas = Ruido::ciclico(x / 64, y / 64, 4, 301, 4);
    Color c = Color::mezcla({0.47, 0.49, 0.53}, {0.70, 0.72, 0.75}, manchas);
    // Pulido a lo largo del caño: vetas finas en la dirección de t.
    const double vetas = Ruido::ciclico(x / 2, y / 48, 128, 307, 2);
    c = c.por(0.93 + 0.14 * vetas);
    for (const double t : SURCOS) {
        const double d = std::fabs(y - LADO_ACERO * (1 - t));
        c = c.por(1 - 0.35 * std::clamp(1.6 - d, 0.0, 1.0));
    }
    for (const double t : FRANJAS) {
        const double medio = LADO_ACERO * (1 - t);
        const double dy = y - medio;
        if (std::fabs(dy) > ANCHO_FRANJA / 2 + 1) continue;
        // Chapa algo más oscura con un canto claro arriba y uno oscuro abajo.
        const double dentro = std::clamp(ANCHO_FRANJA / 2 + 0.5 - std::fabs(dy), 0.0, 1.0);
        c = Color::mezcla(c, c.por(0.82), dentro);
        c = Color::mezcla(c, {0.88, 0.89, 0.91},
                          0.5 * std::clamp(1.5 - std::fabs(dy + ANCHO_FRANJA / 2), 0.0, 1.0));
        c = Color::mezcla(c, {0.22, 0.23, 0.25},
                          0.6 * std::clamp(1.5 - std::fabs(dy - ANCHO_FRANJA / 2), 0.0, 1.0));
        const double paso = double(LADO_ACERO) / REMACHES;
        const double cx = (std::floor(x / paso) + 0.5) * paso;
        c = remache(c, x - cx, dy, 3.2);
    }
    // Algo de hollín parejo donde el ruido es bajo, para que no parezca nuevo.
    const double hollin = Ruido::suave(0.35, 0.15, Ruido::ciclico(x / 16, y / 16, 16, 311, 3));
    return Color::mezcla(c, c.por(0.7), 0.5 * hollin);
}

}  // namespace

Lienzo PintorTexturas::aceroCanion() {
    Lienzo l(LADO_ACERO, LADO_ACERO);
    l.sombrear(acero);
    return l;
}

Lienzo PintorTexturas::chispa() {
    Lienzo l(LADO_CHISPA, LADO_CHISPA);
    const double centro = LADO_CHISPA / 2.0, radio = centro - 2;
    l.sombrear([&](double x, double y) -> Color {
        const double d = std::hypot(x - centro, y - centro) / radio;
        if (d >= 1) return {};
        // Halo suave que llega a cero con pendiente nula y un núcleo brillante.
        const double halo = (1 - d * d) * (1 - d * d);
        const double v = 0.55 * halo + 0.45 * std::exp(-(d / 0.22) * (d / 0.22));
        return {v, v, v};
    });
    return l;
}
