#ifndef VQ_HERRAMIENTAS_PINTOR_TEXTURAS_H
#define VQ_HERRAMIENTAS_PINTOR_TEXTURAS_H

#include "tools/Lienzo.h"

// Texturas para objetos en 3D, que el juego multiplica por la luz.
class PintorTexturas {
public:
    // Acero del cañón (256x256): s da la vuelta al caño y a la base sin
    // costura; t corre a lo largo del caño, con franjas remachadas.
    static Lienzo aceroCanion();
};

#endif
