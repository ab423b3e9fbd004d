#include "tools/Lienzo.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

double cobertura(double distanciaAlBorde) { return std::clamp(distanciaAlBorde + 0.5, 0.0, 1.0); }

uint8_t aByte(double v) {
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
}

void ponerEntero(std::vector<uint8_t>& datos, uint32_t valor, int bytes) {
    for (int i = 0; i < bytes; ++i) datos.push_back(static_cast<uint8_t>(valor >> (8 * i)));
}

}  // namespace

Lienzo::Lienzo(int ancho, int alto, const Color& fondo)
    : ancho(ancho), alto(alto), pixeles(static_cast<size_t>(ancho) * alto, fondo) {}

Color Lienzo::leer(int x, int y) const { return pixeles[static_cast<size_t>(y) * ancho + x]; }

void Lienzo::mezclar(int x, int y, const Color& c, double alfa) {
    if (x < 0 || y < 0 || x >= ancho || y >= alto || alfa <= 0.0) return;
    Color& p = pixeles[static_cast<size_t>(y) * ancho + x];
    p = Color::mezcla(p, c, std::min(alfa, 1.0));
}

void Lienzo::rellenar(int x0, int y0, int x1, int y1, const Color& c) {
    for (int y = std::max(y0, 0); y < std::min(y1, alto); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, ancho); ++x)
            pixeles[static_cast<size_t>(y) * ancho + x] = c;
}

void Lienzo::degradado(int x0, int y0, int x1, int y1, const Color& arriba, const Color& abajo) {
    const int filas = std::max(y1 - y0 - 1, 1);
    for (int y = y0; y < y1; ++y)
        rellenar(x0, y, x1, y + 1, Color::mezcla(arriba, abajo, double(y - y0) / filas));
}

void Lienzo::marco(int x0, int y0, int x1, int y1, int grosor, const Color& c) {
    rellenar(x0, y0, x1, y0 + grosor, c);
    rellenar(x0, y1 - grosor, x1, y1, c);
    rellenar(x0, y0, x0 + grosor, y1, c);
    rellenar(x1 - grosor, y0, x1, y1, c);
}

void Lienzo::disco(double cx, double cy, double radio, const Color& c, double alfa) {
    const int xa = static_cast<int>(std::floor(cx - radio - 1));
    const int xb = static_cast<int>(std::ceil(cx + radio + 1));
    const int ya = static_cast<int>(std::floor(cy - radio - 1));
    const int yb = static_cast<int>(std::ceil(cy + radio + 1));
    for (int y = ya; y <= yb; ++y)
        for (int x = xa; x <= xb; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            mezclar(x, y, c, alfa * cobertura(radio - d));
        }
}

void Lienzo::esfera(double cx, double cy, double radio, const Color& c) {
    const Color blanco{1.0, 1.0, 1.0};
    const double bx = cx - radio * 0.2, by = cy - radio * 0.2;
    disco(cx, cy, radio, c);
    disco(bx, by, radio * 0.6, blanco, 0.4);
    disco(bx, by, radio * 0.35, blanco);
}

void Lienzo::trazo(double x0, double y0, double x1, double y1, double grosor, const Color& c) {
    const double medio = grosor / 2.0;
    const double dx = x1 - x0, dy = y1 - y0;
    const double largo2 = dx * dx + dy * dy;
    const int xa = static_cast<int>(std::floor(std::min(x0, x1) - medio - 1));
    const int xb = static_cast<int>(std::ceil(std::max(x0, x1) + medio + 1));
    const int ya = static_cast<int>(std::floor(std::min(y0, y1) - medio - 1));
    const int yb = static_cast<int>(std::ceil(std::max(y0, y1) + medio + 1));
    for (int y = ya; y <= yb; ++y)
        for (int x = xa; x <= xb; ++x) {
            const double px = x + 0.5 - x0, py = y + 0.5 - y0;
            const double t = largo2 > 0 ? std::clamp((px * dx + py * dy) / largo2, 0.0, 1.0) : 0.0;
            const double d = std::hypot(px - t * dx, py - t * dy);
            mezclar(x, y, c, cobertura(medio - d));
        }
}

void Lienzo::rectanguloRedondeado(double x0, double y0, double x1, double y1, double radio,
                                  const Color& c) {
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const double mx = (x1 - x0) / 2 - radio, my = (y1 - y0) / 2 - radio;
    for (int y = static_cast<int>(std::floor(y0)); y < static_cast<int>(std::ceil(y1)); ++y)
        for (int x = static_cast<int>(std::floor(x0)); x < static_cast<int>(std::ceil(x1)); ++x) {
            const double qx = std::max(std::fabs(x + 0.5 - cx) - mx, 0.0);
            const double qy = std::max(std::fabs(y + 0.5 - cy) - my, 0.0);
            mezclar(x, y, c, cobertura(radio - std::hypot(qx, qy)));
        }
}

void Lienzo::sombrear(const std::function<Color(double x, double y)>& f) {
    for (int y = 0; y < alto; ++y)
        for (int x = 0; x < ancho; ++x)
            pixeles[static_cast<size_t>(y) * ancho + x] = f(x + 0.5, y + 0.5);
}

bool Lienzo::guardarBmp(const std::string& ruta) const {
    // El juego sube las filas con la alineación de 4 que haya en vigor: con
    // anchos múltiplos de 4 las filas de 24 bits no llevan relleno.
    if (ancho <= 0 || alto <= 0 || ancho % 4 != 0) return false;
    const uint32_t bytesFila = static_cast<uint32_t>(ancho) * 3;
    const uint32_t bytesImagen = bytesFila * static_cast<uint32_t>(alto);
    std::vector<uint8_t> datos;
    datos.reserve(54 + bytesImagen);
    datos.push_back('B');
    datos.push_back('M');
    ponerEntero(datos, 54 + bytesImagen, 4);
    ponerEntero(datos, 0, 4);
    ponerEntero(datos, 54, 4);
    ponerEntero(datos, 40, 4);
    ponerEntero(datos, static_cast<uint32_t>(ancho), 4);
    ponerEntero(datos, static_cast<uint32_t>(alto), 4);  // positivo: filas de abajo arriba
    ponerEntero(datos, 1, 2);
    ponerEntero(datos, 24, 2);
    ponerEntero(datos, 0, 4);
    ponerEntero(datos, bytesImagen, 4);
    ponerEntero(datos, 2835, 4);  // 72 puntos por pulgada
    ponerEntero(datos, 2835, 4);
    ponerEntero(datos, 0, 4);
    ponerEntero(datos, 0, 4);
    for (int y = alto - 1; y >= 0; --y)
        for (int x = 0; x < ancho; ++x) {
            const Color& p = pixeles[static_cast<size_t>(y) * ancho + x];
            datos.push_back(aByte(p.b));
            datos.push_back(aByte(p.g));
            datos.push_back(aByte(p.r));
        }
    FILE* archivo = std::fopen(ruta.c_str(), "wb");
    if (!archivo) return false;
    const bool escrito = std::fwrite(datos.data(), 1, datos.size(), archivo) == datos.size();
    return std::fclose(archivo) == 0 && escrito;
}
