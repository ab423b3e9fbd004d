#ifndef VQ_HERRAMIENTAS_ESCRITOR_PNG_H
#define VQ_HERRAMIENTAS_ESCRITOR_PNG_H

#include <string>
#include <vector>

#include "tools/Lienzo.h"

// PNG de 8 bits por canal con alfa (RGBA), como piden los temas de iconos.
// Sin fecha ni otros datos variables: la misma imagen da los mismos bytes.
class EscritorPng {
public:
    // La opacidad va de 0 a 1, una por píxel en el orden del lienzo. Vacío si
    // no coincide con el tamaño del lienzo o si la compresión falla.
    static std::string codificar(const Lienzo& lienzo, const std::vector<double>& opacidad);
};

#endif
