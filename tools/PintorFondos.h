#ifndef VQ_HERRAMIENTAS_PINTOR_FONDOS_H
#define VQ_HERRAMIENTAS_PINTOR_FONDOS_H

#include "tools/Lienzo.h"

// Los fondos de los tres tableros (18 por 15 unidades, 576x480 píxeles).
// Tonos apagados y formas grandes, para que las piezas rojo oscuro, grises,
// verdes y moradas y la bola azul se distingan bien encima.
class PintorFondos {
public:
    static constexpr int ANCHO = 576;
    static constexpr int ALTO = 480;

    static Lienzo atardecerMarino();
    static Lienzo planetaAnillado();
    static Lienzo cordillera();
};

#endif
