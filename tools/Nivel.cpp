#include "tools/Nivel.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr float X_MIN = 0.6f, X_MAX = 17.4f;
constexpr float Y_MIN = 2.0f, Y_MAX = 14.4f;
constexpr double SEPARACION = 0.9;
constexpr double SALIDA_X = 9.0, SALIDA_Y = 15.0;  // donde nace la bola, bajo el cañón

std::string formatear(const char* plantilla, double a, double b) {
    char texto[160];
    std::snprintf(texto, sizeof texto, plantilla, a, b);
    return texto;
}

}  // namespace

void Nivel::agregar(double x, double y, int tipo) {
    piezas.push_back({static_cast<float>(std::round(x * 100.0) / 100.0),
                      static_cast<float>(std::round(y * 100.0) / 100.0), tipo});
}

int Nivel::contar(int tipo) const {
    int n = 0;
    for (const Pieza& p : piezas) n += p.tipo == tipo;
    return n;
}

std::string Nivel::aTexto() const {
    std::string texto = std::to_string(piezas.size()) + "\n";
    char linea[64];
    for (const Pieza& p : piezas) {
        std::snprintf(linea, sizeof linea, "%.2f %.2f %d\n", p.x, p.y, p.tipo);
        texto += linea;
    }
    return texto;
}

std::vector<std::string> Nivel::verificar() const {
    std::vector<std::string> fallas;
    const int total = static_cast<int>(piezas.size());
    if (total < 40 || total > 100)
        fallas.push_back("hay " + std::to_string(total) + " piezas; deben ser de 40 a 100");
    const int objetivos = contar(0);
    if (objetivos < 15 || objetivos > 40)
        fallas.push_back("hay " + std::to_string(objetivos) +
                         " piezas de tipo 0; deben ser de 15 a 40");
    for (int tipo = 1; tipo <= 3; ++tipo)
        if (contar(tipo) == 0) fallas.push_back("no hay piezas de tipo " + std::to_string(tipo));
    for (size_t i = 0; i < piezas.size(); ++i) {
        const Pieza& p = piezas[i];
        const std::string cual =
            "pieza " + std::to_string(i + 1) + formatear(" (%.2f, %.2f)", p.x, p.y);
        if (p.tipo < 0 || p.tipo > 3)
            fallas.push_back(cual + ": tipo " + std::to_string(p.tipo) + " fuera de 0 a 3");
        if (!(p.x >= X_MIN && p.x <= X_MAX)) fallas.push_back(cual + ": x fuera de 0,6 a 17,4");
        if (!(p.y > Y_MIN && p.y <= Y_MAX))
            fallas.push_back(cual + ": y debe ser mayor que 2 y a lo sumo 14,4");
        if (std::hypot(p.x - SALIDA_X, p.y - SALIDA_Y) < SEPARACION)
            fallas.push_back(cual + ": a menos de 0,9 de la salida de la bola");
        for (size_t j = i + 1; j < piezas.size(); ++j)
            if (std::hypot(double(p.x) - piezas[j].x, double(p.y) - piezas[j].y) < SEPARACION)
                fallas.push_back(cual + ": a menos de 0,9 de la pieza " + std::to_string(j + 1));
    }
    return fallas;
}

int Nivel::coincidencias(const Nivel& otro) const {
    int n = 0;
    for (const Pieza& p : piezas)
        for (const Pieza& q : otro.piezas)
            if (std::hypot(double(p.x) - q.x, double(p.y) - q.y) < 0.3) {
                ++n;
                break;
            }
    return n;
}
