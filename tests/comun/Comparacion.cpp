#include "Comparacion.h"

#include <cmath>
#include <cstdlib>

void proyectarCamaraInicial(double px, double py, double pz, double& vx, double& vy) {
    // El ojo en (9, 5, 19) mira a (9, 7, 0) con arriba (0, 1, 0): el lado es (1, 0, 0).
    const double largo = std::hypot(2.0, 19.0), fy = 2 / largo, fz = -19 / largo;
    const double x = px * 0.8 - 9, y = py * 0.8 - 5, z = pz * 0.8 - 19;
    const double arriba = -fz * y + fy * z, lejos = fy * y + fz * z;
    const double t = 1.0 / std::tan(22.5 * M_PI / 180.0);
    vx = (t * 0.75 * x / lejos + 1) * 400;
    vy = (t * arriba / lejos + 1) * 300;
}

bool parecidos(const EscritorioX::Color& a, const EscritorioX::Color& b, int tolerancia) {
    return std::abs(a.r - b.r) <= tolerancia && std::abs(a.g - b.g) <= tolerancia && std::abs(a.b - b.b) <= tolerancia;
}

double coincidenciaTablero(const EscritorioX::Captura& captura, const MapaBits& imagen, bool invertida) {
    int total = 0, iguales = 0;
    for (double bx = 0.5; bx < 17.6; bx += 0.25)
        for (double by = 1.0; by < 14.6; by += 0.25, total++) {
            double vx, vy;
            proyectarCamaraInicial(bx, by, 0, vx, vy);
            const double v = invertida ? by / 15.0 : 1.0 - by / 15.0;
            iguales += parecidos(captura.desdeAbajo(int(vx), int(vy)),
                                 imagen.pixel(int(bx / 18.0 * imagen.ancho), int(v * imagen.alto)), 40);
        }
    return static_cast<double>(iguales) / total;
}

double coincidenciaRectangulo(const EscritorioX::Captura& captura, const MapaBits& imagen, int x, int y, int escala) {
    int iguales = 0;
    for (int f = 0; f < imagen.alto; f++)
        for (int c = 0; c < imagen.ancho; c++)
            iguales += parecidos(captura.desdeAbajo(escala * (x + c), escala * (y + imagen.alto - 1 - f)),
                                 imagen.pixel(c, f), 24);
    return static_cast<double>(iguales) / (imagen.ancho * imagen.alto);
}

bool mismasFilas(const EscritorioX::Captura& a, const EscritorioX::Captura& b, int y0, int y1, int escala) {
    for (int y = y0 * escala; y < y1 * escala; y++)
        for (int x = 0; x < 640 * escala; x++)
            if (!parecidos(a.desdeAbajo(x, y), b.desdeAbajo(x, y), 0)) return false;
    return true;
}

namespace {

// Centro de cada segmento en una celda de 7,5 x 15, en el orden de la tabla
// del juego: abajo izq., arriba izq., arriba, arriba der., abajo der., abajo, medio.
const double SEGMENTOS[7][2] = {{0, 3.75}, {0, 11.25}, {3.75, 15}, {7.5, 11.25}, {7.5, 3.75}, {3.75, 0}, {3.75, 7.5}};
const int DIGITOS[10] = {0x3F, 0x18, 0x6D, 0x7C, 0x5A, 0x76, 0x77, 0x1E, 0x7F, 0x7E};

// Las líneas del contador son del violeta (0,3, 0,295, 0,464), sin suavizar.
bool trazo(const EscritorioX::Captura& c, double x, double y) {
    for (int dx = -1; dx <= 1; dx++)
        for (int dy = -1; dy <= 1; dy++)
            if (parecidos(c.desdeAbajo(int(x + 0.5) + dx, int(y + 0.5) + dy), {77, 75, 118}, 20)) return true;
    return false;
}

}  // namespace

int leerContador(const EscritorioX::Captura& captura, int x, int y, int escala) {
    int valor = 0, signo = 1, celdas = 0;
    for (int celda = 0;; celda++) {
        int bits = 0;
        for (int s = 0; s < 7; s++)
            bits |= trazo(captura, escala * (x + 15 * celda + SEGMENTOS[s][0]), escala * (y + SEGMENTOS[s][1])) << s;
        if (bits == 0) break;
        if (celda == 0 && bits == 0x40) {
            signo = -1;
            continue;
        }
        int digito = 0;
        while (digito < 10 && DIGITOS[digito] != bits) digito++;
        if (digito == 10) return SIN_NUMERO;
        valor = valor * 10 + digito;
        celdas++;
    }
    return celdas > 0 ? signo * valor : SIN_NUMERO;
}
