#include "tools/Ruido.h"

#include <algorithm>
#include <cmath>

namespace {

uint32_t mezclarBits(uint32_t v) {
    v ^= v >> 16;
    v *= 0x7feb352dU;
    v ^= v >> 15;
    v *= 0x846ca68bU;
    v ^= v >> 16;
    return v;
}

}  // namespace

double Ruido::azar(uint32_t semilla, uint32_t i) {
    return mezclarBits(semilla * 0x9e3779b9U ^ mezclarBits(i)) / 4294967296.0;
}

double Ruido::suave(double a, double b, double v) {
    const double t = std::clamp((v - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

double Ruido::rejilla(int x, int y, uint32_t semilla) {
    return azar(semilla,
                static_cast<uint32_t>(x) * 73856093U ^ static_cast<uint32_t>(y) * 19349663U);
}

// Con periodo 0 la rejilla no se repite.
double Ruido::octava(double x, double y, int periodo, uint32_t semilla) {
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    const double fx = suave(0, 1, x - ix), fy = suave(0, 1, y - iy);
    auto columna = [periodo](int i) {
        return periodo > 0 ? ((i % periodo) + periodo) % periodo : i;
    };
    const int x0 = columna(ix), x1 = columna(ix + 1);
    const double arriba = rejilla(x0, iy, semilla) * (1 - fx) + rejilla(x1, iy, semilla) * fx;
    const double abajo =
        rejilla(x0, iy + 1, semilla) * (1 - fx) + rejilla(x1, iy + 1, semilla) * fx;
    return arriba * (1 - fy) + abajo * fy;
}

double Ruido::valor(double x, double y, uint32_t semilla, int octavas) {
    double suma = 0, peso = 0, amplitud = 1;
    for (int o = 0; o < octavas; ++o) {
        suma += amplitud * octava(x, y, 0, semilla + o);
        peso += amplitud;
        amplitud *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return suma / peso;
}

double Ruido::ciclico(double x, double y, int periodo, uint32_t semilla, int octavas) {
    double suma = 0, peso = 0, amplitud = 1;
    for (int o = 0; o < octavas; ++o) {
        suma += amplitud * octava(x, y, periodo, semilla + o);
        peso += amplitud;
        amplitud *= 0.5;
        x *= 2;
        y *= 2;
        periodo *= 2;
    }
    return suma / peso;
}
