#ifndef VQ_CONSOLA_H
#define VQ_CONSOLA_H

#include <istream>

// Las preguntas de la consola de depuración.
class Consola {
public:
    // Muestra la pregunta y lee hasta n números separados por blancos. Los que
    // no se pueden leer quedan en 0.0; tras un error se descarta el resto de
    // la línea, para que la pregunta siguiente vuelva a esperar al jugador.
    static void preguntar(const char* pregunta, std::istream& entrada, float* valores, int n);
};

#endif
