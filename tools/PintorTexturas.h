#ifndef VQ_HERRAMIENTAS_PINTOR_TEXTURAS_H
#define VQ_HERRAMIENTAS_PINTOR_TEXTURAS_H

#include "tools/Lienzo.h"

// Texturas para objetos en 3D, que el juego multiplica por la luz.
class PintorTexturas {
public:
    // Acero del cañón (256x256): s da la vuelta al caño y a la base sin
    // costura; t corre a lo largo del caño, con franjas remachadas.
    static Lienzo aceroCanion();
    // Chispa de los fuegos artificiales (64x64): gris que se apaga del centro
    // hacia afuera y llega a negro antes del borde, porque el juego la suma
    // teñida y el negro no se ve.
    static Lienzo chispa();
};

#endif
