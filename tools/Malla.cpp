#include "tools/Malla.h"

#include <algorithm>
#include <cmath>

namespace {

double largo(const Punto& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

}  // namespace

int Malla::agregarVertice(const Punto& p, double s, double t) {
    vertices.push_back({p, s, t});
    return static_cast<int>(vertices.size()) - 1;
}

void Malla::agregarCara(int a, int b, int c, const std::string& material) {
    auto lugar = std::find(materiales.begin(), materiales.end(), material);
    if (lugar == materiales.end()) lugar = materiales.insert(lugar, material);
    caras.push_back({a, b, c, static_cast<int>(lugar - materiales.begin())});
}

void Malla::agregarCuadro(const Punto& p0, const Punto& p1, const Punto& p2, const Punto& p3,
                          double escala, const std::string& material) {
    const double s = largo(p1 - p0) / escala, t = largo(p3 - p0) / escala;
    const int a = agregarVertice(p0, 0, 0);
    const int b = agregarVertice(p1, s, 0);
    const int c = agregarVertice(p2, s, t);
    const int d = agregarVertice(p3, 0, t);
    agregarCara(a, b, c, material);
    agregarCara(a, c, d, material);
}
