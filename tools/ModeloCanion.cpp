#include "tools/ModeloCanion.h"

#include <cmath>
#include <vector>

#include "tools/Torno.h"

namespace {

constexpr double PI = 3.14159265358979323846;
const char* const ACERO = "acero";
const char* const BRONCE = "bronce";
const Punto PIVOTE{0, 0, 18.75};
constexpr double TABLERO = 12.5;

// El caño va de la recámara, detrás del pivote, a la boca.
constexpr double RECAMARA = -5;
constexpr double BOCA = 30;
constexpr double PARED = 0.7;
// Fondo del ánima: la bola del pivote cabe entera delante.
constexpr double FONDO = -4.2;

// Sección exterior del caño más `extra`: r = c + A / (40 − x), una hipérbola
// que se abre de golpe cerca de la boca, como una trompeta. Hacia los lados va
// de 4,9 en la recámara a 8 en la boca; hacia el tablero sólo de 4,65 a 5,55,
// para que la boca no lo atraviese.
Torno::Paso seccion(double x, double extra, double t) {
    const double hondo = 4.393 + 11.57 / (40 - x);
    const double ancho = 4.014 + 39.86 / (40 - x);
    return {x, hondo + extra, ancho + extra, t};
}

// La textura corre a lo largo del caño por fuera, casi entera.
double tCanio(double x) { return 0.05 + 0.9 * (x - RECAMARA) / (BOCA - RECAMARA); }

Torno::Paso redondo(double a, double radio, double t) { return {a, radio, radio, t}; }

// Un zuncho de bronce que abraza el caño entre x − medio y x + medio.
void zuncho(Malla& malla, const Torno& torno, double x, double medio, double alto) {
    torno.tornear(malla,
                  {seccion(x - medio, -0.1, 0), seccion(x - medio + 0.3, alto, 0.2),
                   seccion(x + medio - 0.3, alto, 0.8), seccion(x + medio, -0.1, 1)},
                  BRONCE);
}

}  // namespace

ModeloCanion::ModeloCanion() {
    hacerCanio();
    hacerMontura();
}

void ModeloCanion::hacerCanio() {
    // La costura de la textura mira al tablero, donde no se ve.
    const Torno torno(PIVOTE, {1, 0, 0}, {0, 0, -1}, 20);
    std::vector<Torno::Paso> culata, exterior, anima;
    for (int k = 0; k <= 4; ++k) {
        const double fi = PI / 2 * k / 4;
        const Torno::Paso borde = seccion(RECAMARA, 0, 0.05 * k / 4);
        culata.push_back({RECAMARA - 2 * std::cos(fi), borde.radio1 * std::sin(fi),
                          borde.radio2 * std::sin(fi), borde.t});
    }
    // Anillos más juntos hacia la boca, donde el perfil se curva más.
    for (int i = 0; i <= 12; ++i) {
        const double x = RECAMARA + (BOCA - RECAMARA) * (1 - std::pow(1 - i / 12.0, 1.5));
        exterior.push_back(seccion(x, 0, tCanio(x)));
    }
    for (int i = 0; i <= 4; ++i) {
        const double x = BOCA + (FONDO - BOCA) * i / 4;
        anima.push_back(seccion(x, -PARED, tCanio(x)));
    }
    torno.tornear(canio, culata, ACERO);
    torno.tornear(canio, exterior, ACERO);
    torno.tornear(canio, anima, ACERO);
    torno.tornear(canio, {anima.back(), {FONDO, 0, 0, anima.back().t}}, ACERO);

    zuncho(canio, torno, 14, 0.9, 0.45);
    zuncho(canio, torno, 22, 0.9, 0.45);
    // El brocal tapa el canto de la boca y entra un poco en el ánima.
    const double brocal = BOCA + 0.5;
    torno.tornear(canio,
                  {seccion(BOCA - 2.6, -0.1, 0), seccion(BOCA - 2.3, 0.5, 0.1),
                   seccion(brocal - 0.3, 0.55, 0.8), seccion(brocal, 0.35, 0.9)},
                  BRONCE);
    torno.tornear(canio, {seccion(brocal, 0.35, 0.9), seccion(brocal, -PARED, 1)}, BRONCE);
    torno.tornear(canio, {seccion(brocal, -PARED, 0), seccion(BOCA, -PARED, 0.1)}, BRONCE);

    // El botón de la culata: una bola con cuello que entra en la culata.
    const Torno boton(PIVOTE, {1, 0, 0}, {0, 0, -1}, 12);
    const double centro = RECAMARA - 3.2, radio = 1.1, cuello = 0.6;
    const double fin = PI - std::asin(cuello / radio);
    std::vector<Torno::Paso> bola;
    for (int k = 0; k <= 6; ++k) {
        const double fi = fin * k / 6;
        bola.push_back(redondo(centro - radio * std::cos(fi), radio * std::sin(fi), k / 8.0));
    }
    bola.push_back(redondo(RECAMARA - 1.4, cuello, 1));
    boton.tornear(canio, bola, BRONCE);
}

void ModeloCanion::hacerMontura() {
    // Base redonda apoyada en el tablero: (altura, radio) del canto al centro,
    // con la textura en anillos concéntricos.
    const Torno base({0, 0, TABLERO}, {0, 0, 1}, {-1, 0, 0}, 24);
    const double perfil[][2] = {{0, 12.5},   {0.5, 12.5}, {0.8, 12.1},
                                {0.8, 10.3}, {1.2, 10.3}, {1.2, 0}};
    double recorrido = 0;
    for (int i = 0; i + 1 < 6; ++i) {
        const double* p = perfil[i];
        const double* q = perfil[i + 1];
        const double tramo = std::hypot(q[0] - p[0], q[1] - p[1]);
        base.tornear(montura,
                     {redondo(p[0], p[1], 0.02 + recorrido / 14),
                      redondo(q[0], q[1], 0.02 + (recorrido + tramo) / 14)},
                     ACERO);
        recorrido += tramo;
    }
    const double arriba = TABLERO + 1.2;

    // Cuatro pernos hexagonales en diagonal, donde no los tapan caño ni brazos.
    for (int k = 0; k < 4; ++k) {
        const double angulo = PI / 4 + PI / 2 * k;
        const Torno perno({9 * std::cos(angulo), 9 * std::sin(angulo), arriba - 0.05}, {0, 0, 1},
                          {1, 0, 0}, 6);
        perno.tornear(montura,
                      {redondo(0, 0.6, 0), redondo(0.4, 0.6, 0.4), redondo(0.6, 0.3, 0.8),
                       redondo(0.65, 0, 1)},
                      BRONCE);
    }

    for (const double lado : {-1.0, 1.0}) {
        // Brazo: prisma de base trapecial, más angosto arriba; la base queda
        // hundida en la montura y no lleva tapa.
        const double y0 = lado < 0 ? -8.0 : 6.0, y1 = y0 + 2;
        const double zAbajo = arriba - 0.05, zArriba = 21;
        const Punto abajo[4] = {
            {-3.4, y0, zAbajo}, {3.4, y0, zAbajo}, {3.4, y1, zAbajo}, {-3.4, y1, zAbajo}};
        const Punto encima[4] = {
            {-2.2, y0, zArriba}, {2.2, y0, zArriba}, {2.2, y1, zArriba}, {-2.2, y1, zArriba}};
        for (int i = 0; i < 4; ++i)
            montura.agregarCuadro(abajo[i], abajo[(i + 1) % 4], encima[(i + 1) % 4], encima[i], 40,
                                  ACERO);
        montura.agregarCuadro(encima[0], encima[1], encima[2], encima[3], 40, ACERO);

        // Muñón de acero del caño al brazo y su tapa de bronce por fuera.
        const Torno munion(PIVOTE, {0, lado, 0}, {0, 0, -1}, 12);
        munion.tornear(montura, {redondo(4.6, 1.5, 0.3), redondo(8.05, 1.5, 0.4)}, ACERO);
        munion.tornear(montura, {redondo(8.02, 1.5, 0), redondo(8.02, 2.05, 0.2)}, BRONCE);
        munion.tornear(montura,
                       {redondo(8.02, 2.05, 0.2), redondo(8.6, 2.05, 0.5), redondo(8.9, 1.6, 0.8),
                        redondo(9.0, 0, 1)},
                       BRONCE);
    }
}

bool ModeloCanion::escribirEn(Escritor3ds& escritor) const {
    return escritor.agregarMaterial(ACERO, {0.86, 0.85, 0.83}, "hyperb.bmp") &&
           escritor.agregarMaterial(BRONCE, {0.74, 0.53, 0.25}, "") &&
           escritor.agregarObjeto("canio", canio) && escritor.agregarObjeto("montura", montura);
}
