#ifndef VQ_HERRAMIENTAS_DISENADOR_NIVELES_H
#define VQ_HERRAMIENTAS_DISENADOR_NIVELES_H

#include "tools/Nivel.h"

// Las tres disposiciones de piezas del juego, cada una con su propia forma:
// filas onduladas, anillos con arcos y una espiral entre dos columnas.
class DisenadorNiveles {
public:
    static Nivel ondas();
    static Nivel anillos();
    static Nivel espiral();
};

#endif
