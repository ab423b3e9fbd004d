#ifndef VQ_MAPA_BITS_H
#define VQ_MAPA_BITS_H

#include <cstdint>
#include <string>
#include <vector>

#include "EscritorioX.h"

// BMP de 24 bits sin comprimir, leído sin el código del juego ni el del generador.
struct MapaBits {
    std::vector<uint8_t> datos;
    int ancho = 0, alto = 0;

    explicit MapaBits(const std::string& ruta);
    EscritorioX::Color pixel(int x, int fila) const;  // fila 0 arriba, como se ve la imagen
};

#endif
