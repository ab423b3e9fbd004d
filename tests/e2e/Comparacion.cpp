#include "Comparacion.h"

#include <cstdlib>

#include "Proyeccion.h"

bool parecidos(const EscritorioX::Color& a, const std::array<int, 3>& b, int tolerancia) {
    return std::abs(a.r - b[0]) <= tolerancia && std::abs(a.g - b[1]) <= tolerancia &&
           std::abs(a.b - b[2]) <= tolerancia;
}

double coincidenciaTablero(const EscritorioX::Captura& captura, const MapaBits& imagen,
                           bool invertida) {
    int total = 0, iguales = 0;
    for (double bx = 0.5; bx < 17.6; bx += 0.25) {
        for (double by = 1.0; by < 14.6; by += 0.25) {
            double vx, vy;
            proyectarCamaraInicial(bx, by, 0, vx, vy);
            const double v = invertida ? by / 15.0 : 1.0 - by / 15.0;
            const int columna = static_cast<int>(bx / 18.0 * imagen.ancho);
            const int fila = static_cast<int>(v * imagen.alto);
            total++;
            if (parecidos(captura.desdeAbajo(static_cast<int>(vx), static_cast<int>(vy)),
                          imagen.pixel(columna, fila), 40)) {
                iguales++;
            }
        }
    }
    return static_cast<double>(iguales) / total;
}

double coincidenciaRectangulo(const EscritorioX::Captura& captura, const MapaBits& imagen, int x,
                              int y) {
    int total = 0, iguales = 0;
    for (int f = 0; f < imagen.alto; f++) {
        for (int c = 0; c < imagen.ancho; c++) {
            total++;
            if (parecidos(captura.desdeAbajo(x + c, y + imagen.alto - 1 - f), imagen.pixel(c, f),
                          24)) {
                iguales++;
            }
        }
    }
    return static_cast<double>(iguales) / total;
}
