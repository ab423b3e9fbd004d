#include "tools/Torno.h"

#include <cmath>

namespace {

constexpr double PI = 3.14159265358979323846;

bool enElEje(const Torno::Paso& p) { return p.radio1 == 0.0 && p.radio2 == 0.0; }

}  // namespace

Torno::Torno(const Punto& centro, const Punto& eje, const Punto& lado, int lados)
    : centro(centro), eje(eje), lado1(lado), lado2(Punto::cruz(eje, lado)), lados(lados) {}

void Torno::tornear(Malla& malla, const std::vector<Paso>& perfil,
                    const std::string& material) const {
    // Una columna más que lados: la costura repite posición con s = 1.
    const int columnas = lados + 1;
    const int primero = static_cast<int>(malla.getVertices().size());
    for (size_t i = 0; i < perfil.size(); ++i) {
        const Paso& p = perfil[i];
        for (int j = 0; j < columnas; ++j) {
            const double angulo = 2 * PI * j / lados;
            const Punto punto = centro + eje * p.a + lado1 * (p.radio1 * std::cos(angulo)) +
                                lado2 * (p.radio2 * std::sin(angulo));
            malla.agregarVertice(punto, double(j) / lados, p.t);
        }
    }
    // En un anillo sobre el eje uno de los dos triángulos de cada cuadro
    // no tiene área.
    for (size_t i = 0; i + 1 < perfil.size(); ++i) {
        const int fila = primero + static_cast<int>(i) * columnas;
        for (int j = 0; j < lados; ++j) {
            const int a = fila + j, b = a + 1, c = b + columnas, d = a + columnas;
            if (!enElEje(perfil[i])) malla.agregarCara(a, b, c, material);
            if (!enElEje(perfil[i + 1])) malla.agregarCara(a, c, d, material);
        }
    }
}
