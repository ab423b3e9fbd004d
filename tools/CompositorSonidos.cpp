#include "tools/CompositorSonidos.h"

#include <cmath>

#include "tools/Ruido.h"

namespace {

// Semitonos de la escala mayor en dos octavas y un poco más, y de la pentatónica del aro.
constexpr int ESCALA_MAYOR[CompositorSonidos::PASOS_PIEZA] = {0,  2,  4,  5,  7,  9,  11, 12,
                                                              14, 16, 17, 19, 21, 23, 24, 26};
constexpr int PENTATONICA[CompositorSonidos::PASOS_ATRAPADA] = {0, 2, 4, 7, 9, 12, 14, 16};

double semitonos(double base, int n) { return base * std::pow(2.0, n / 12.0); }

// Notas de la escala temperada (Hz).
constexpr double MI4 = 329.63, FA4 = 349.23, FA_SOST4 = 369.99, SOL4 = 392.00;
constexpr double DO5 = 523.25, MI5 = 659.26, SOL5 = 783.99, DO6 = 1046.50;

}  // namespace

double CompositorSonidos::frecuenciaPieza(int paso) { return semitonos(440.0, ESCALA_MAYOR[paso]); }

void CompositorSonidos::nota(Onda& o, double desde, double duracion, double f, double amplitud,
                             double caida, int armonicos, double inclinacion) {
    for (int n = 1; n <= armonicos; n++)
        o.tono(desde, duracion, n * f, n * f, amplitud / std::pow(n, inclinacion), 0.012, caida / n);
}

Onda CompositorSonidos::disparo() {
    Onda o(0.3);
    o.tono(0, 0.3, 200, 55, 1.0, 0.003, 0.09);
    o.ruido(0, 0.12, 0.45, 0.002, 0.03, 0.12, 11);
    o.tono(0, 0.05, 700, 260, 0.12, 0.001, 0.012);
    o.normalizar(0.7);
    return o;
}

// Cada tipo, su timbre; en todos manda la fundamental, que sube con el paso.
Onda CompositorSonidos::golpe(int tipo, double f) {
    const double d = TRAMO_PIEZA;
    Onda o(d);
    switch (tipo) {
        case 0:  // roja: madera afinada, con un cuarto armónico que se apaga antes
            o.tono(0, d, f, f, 1.0, 0.0015, 0.035);
            o.tono(0, d, 4 * f, 4 * f, 0.22, 0.001, 0.012);
            break;
        case 1:  // gris: un toque seco, corto
            o.tono(0, d, f, f, 1.0, 0.001, 0.018);
            o.tono(0, d, 2 * f, 2 * f, 0.2, 0.001, 0.008);
            o.ruido(0, 0.006, 0.25, 0, 0.002, 0.6, 21);
            break;
        case 2:  // verde: vidrio, con parciales inarmónicos
            o.tono(0, d, f, f, 1.0, 0.001, 0.045);
            o.tono(0, d, 2.76 * f, 2.76 * f, 0.35, 0.001, 0.02);
            o.tono(0, d, 5.4 * f, 5.4 * f, 0.12, 0.001, 0.01);
            break;
        default:  // carmesí: campanilla con batido, la que más vale
            o.tono(0, d, f, f, 1.0, 0.002, 0.05);
            o.tono(0, d, 1.006 * f, 1.006 * f, 0.45, 0.002, 0.05);
            o.tono(0, d, 2 * f, 2 * f, 0.3, 0.001, 0.03);
            o.tono(0, d, 3 * f, 3 * f, 0.12, 0.001, 0.015);
            break;
    }
    return o;
}

Onda CompositorSonidos::pieza(int tipo) {
    Onda o(PASOS_PIEZA * TRAMO_PIEZA);
    for (int paso = 0; paso < PASOS_PIEZA; paso++)
        o.sumar(golpe(tipo, frecuenciaPieza(paso)), paso * TRAMO_PIEZA);
    o.normalizar(0.45);
    return o;
}

Onda CompositorSonidos::pared() {
    Onda o(0.07);
    o.tono(0, 0.07, 160, 100, 1.0, 0.001, 0.015);
    o.ruido(0, 0.03, 0.4, 0, 0.006, 0.3, 31);
    o.normalizar(0.22);
    return o;
}

Onda CompositorSonidos::extremo() {
    Onda o(0.09);
    o.tono(0, 0.09, 330, 330, 1.0, 0.001, 0.02);
    o.tono(0, 0.09, 990, 990, 0.15, 0.001, 0.01);
    o.normalizar(0.25);
    return o;
}

Onda CompositorSonidos::atrapada() {
    const double d = TRAMO_ATRAPADA;
    Onda o(PASOS_ATRAPADA * d);
    for (int paso = 0; paso < PASOS_ATRAPADA; paso++) {
        const double f = semitonos(MI5, PENTATONICA[paso]), t = paso * d;
        o.tono(t, d, f, f, 1.0, 0.002, 0.05);
        o.tono(t, d, 2.003 * f, 2.003 * f, 0.4, 0.002, 0.035);
        o.tono(t, d, 3 * f, 3 * f, 0.1, 0.001, 0.02);
    }
    o.normalizar(0.35);
    return o;
}

// Grave, como todo lo que no es una pieza: el tono de las piezas no se confunde con nada.
Onda CompositorSonidos::salida() {
    Onda o(0.32);
    o.tono(0, 0.32, 380, 110, 1.0, 0.02, 0.12);
    o.ruido(0, 0.25, 0.15, 0.03, 0.08, 0.1, 41);
    o.normalizar(0.3);
    return o;
}

// Chispazos que se apagan, más agudos que la pieza más aguda: las golpeadas se van.
Onda CompositorSonidos::desaparecen() {
    Onda o(0.5);
    for (uint32_t i = 0; i < 9; i++) {
        const double t = i * 0.045 + 0.01 * Ruido::azar(51, i);
        const double f = 2600 + 1600 * Ruido::azar(52, i);
        o.tono(t, 0.06, f, 1.05 * f, 1.0 - 0.08 * i, 0.001, 0.015);
    }
    o.normalizar(0.3);
    return o;
}

// Un arpegio de do mayor hacia arriba.
Onda CompositorSonidos::nivel() {
    Onda o(0.75);
    const double notas[4] = {DO5, MI5, SOL5, DO6};
    for (int i = 0; i < 4; i++) nota(o, 0.09 * i, 0.75 - 0.09 * i, notas[i], 1.0, 0.18, 3, 1.2);
    o.normalizar(0.5);
    return o;
}

// Fanfarria: tres cortas que suben y un acorde largo.
Onda CompositorSonidos::victoria() {
    Onda o(1.6);
    const double cortas[4] = {SOL4, SOL4, DO5, MI5};
    for (int i = 0; i < 4; i++) nota(o, 0.13 * i, 0.13, cortas[i], 1.0, 0.1, 6, 1.0);
    for (double f : {SOL5, MI5, DO5}) nota(o, 0.52, 1.08, f, f == SOL5 ? 1.0 : 0.6, 0.45, 6, 1.0);
    o.normalizar(0.6);
    return o;
}

// Cuatro notas que bajan, apagadas; la última cae un poco más.
Onda CompositorSonidos::derrota() {
    Onda o(1.3);
    const double notas[3] = {SOL4, FA_SOST4, FA4};
    for (int i = 0; i < 3; i++) nota(o, 0.28 * i, 0.28, notas[i], 1.0, 0.2, 4, 2.0);
    for (int n = 1; n <= 4; n++) o.tono(0.84, 0.46, n * MI4, n * 311.13, 1.0 / (n * n), 0.012, 0.3 / n);
    o.normalizar(0.5);
    return o;
}

Onda CompositorSonidos::boton() {
    Onda o(0.045);
    o.tono(0, 0.045, 1100, 900, 1.0, 0.0005, 0.007);
    o.ruido(0, 0.005, 0.3, 0, 0.0015, 0.7, 61);
    o.normalizar(0.35);
    return o;
}

Onda CompositorSonidos::tick() {
    Onda o(0.03);
    o.tono(0, 0.03, 2400, 2400, 1.0, 0.0003, 0.004);
    o.tono(0, 0.03, 4800, 4800, 0.3, 0.0003, 0.002);
    o.normalizar(0.3);
    return o;
}

// Crujidos sueltos y algún estallido lejano, repartidos al azar en el ciclo.
Onda CompositorSonidos::chispas() {
    const double largo = 1.6;
    Onda o(largo);
    for (uint32_t i = 0; i < 64; i++) {
        Onda crujido(0.012);
        crujido.ruido(0, 0.012, 0.2 + 0.8 * Ruido::azar(72, i), 0, 0.002 + 0.002 * Ruido::azar(73, i),
                      0.9, 74 + i);
        o.sumar(crujido, largo * Ruido::azar(71, i), true);
    }
    for (uint32_t i = 0; i < 3; i++) {
        Onda estallido(0.25);
        estallido.tono(0, 0.25, 90, 50, 0.5, 0.002, 0.07);
        o.sumar(estallido, largo * Ruido::azar(75, i), true);
    }
    o.normalizar(0.3);
    return o;
}
