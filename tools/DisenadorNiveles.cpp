#include "tools/DisenadorNiveles.h"

#include <cmath>

namespace {

constexpr double PI = 3.14159265358979323846;

// Tipos: 0 hay que golpearlas todas, 1 relleno, 2 y 3 premios escasos.
enum Tipo { OBJETIVO = 0, COMUN = 1, VERDE = 2, MORADA = 3 };

}  // namespace

Nivel DisenadorNiveles::ondas() {
    // Seis filas alternadas que ondulan con la misma fase, como olas; las
    // piezas de filas vecinas nunca quedan a menos de 1,7.
    Nivel nivel;
    for (int fila = 0; fila < 6; ++fila) {
        const double base = 12.6 - fila * 1.9;
        const bool par = fila % 2 == 0;
        const int cuantas = par ? 9 : 8;
        for (int i = 0; i < cuantas; ++i) {
            const double x = (par ? 1.4 : 2.35) + i * 1.9;
            const double y = base + 0.6 * std::sin(2 * PI * (x - 1.4) / 7.6);
            int tipo = (i + fila) % 2 == 0 ? OBJETIVO : COMUN;
            if ((fila == 1 && (i == 0 || i == 7)) || (fila == 4 && i == 4)) tipo = VERDE;
            if (fila == 5 && (i == 0 || i == 7)) tipo = MORADA;
            nivel.agregar(x, y, tipo);
        }
    }
    return nivel;
}

Nivel DisenadorNiveles::anillos() {
    // Tres anillos con un premio en el centro, un arco bajo el cañón que
    // reparte los tiros y dos arcos laterales que devuelven la bola al centro.
    Nivel nivel;
    struct Anillo {
        double cx, cy, radio;
        int cuantas;
        int centro;
    };
    const Anillo anillos[] = {
        {5.0, 9.6, 2.2, 9, MORADA}, {13.0, 9.6, 2.2, 9, MORADA}, {9.0, 5.0, 2.4, 10, VERDE}};
    for (const Anillo& a : anillos) {
        for (int i = 0; i < a.cuantas; ++i) {
            const double ang = PI / 2 + 2 * PI * i / a.cuantas;
            nivel.agregar(a.cx + a.radio * std::cos(ang), a.cy + a.radio * std::sin(ang),
                          i % 3 == 1 ? COMUN : OBJETIVO);
        }
        nivel.agregar(a.cx, a.cy, a.centro);
    }
    for (int i = 0; i < 7; ++i) {
        const double ang = (200.0 + i * 140.0 / 6) * PI / 180;
        nivel.agregar(9.0 + 3.4 * std::cos(ang), 15.0 + 3.4 * std::sin(ang),
                      i == 3 ? VERDE : COMUN);
    }
    for (int lado = -1; lado <= 1; lado += 2)
        for (int i = 0; i < 5; ++i) {
            const double ang = (-50.0 + i * 18.0) * PI / 180;
            const double x = 9.0 + lado * 8.3 * std::cos(ang);
            nivel.agregar(x, 7.6 + 6.0 * std::sin(ang), i == 2 ? OBJETIVO : COMUN);
        }
    return nivel;
}

Nivel DisenadorNiveles::espiral() {
    // Espiral de Arquímedes de dos vueltas y media, con 1,9 entre vueltas y una
    // pieza cada 1,25 de arco (la bola cabe entre dos seguidas); dos columnas
    // en zigzag cuidan los costados.
    Nivel nivel;
    const double cx = 9.0, cy = 8.1, paso = 1.9 / (2 * PI);
    double ang = 1.3 / paso;
    for (int i = 0; paso * ang <= 5.8; ++i) {
        const double radio = paso * ang;
        int tipo = i % 5 == 0 || i % 5 == 2 ? OBJETIVO : COMUN;
        if (i == 0) tipo = MORADA;
        if (i == 11 || i == 29) tipo = VERDE;
        nivel.agregar(cx + radio * std::cos(ang), cy + radio * std::sin(ang), tipo);
        ang += 1.25 / radio;
    }
    for (int lado = 0; lado < 2; ++lado)
        for (int k = 0; k < 8; ++k) {
            const double adentro = k % 2 == 0 ? 0.0 : 0.9;
            const double x = lado == 0 ? 1.0 + adentro : 17.0 - adentro;
            int tipo = k % 2 == 0 ? COMUN : OBJETIVO;
            if (k == 7) tipo = MORADA;
            nivel.agregar(x, 3.0 + k * 1.45, tipo);
        }
    return nivel;
}
