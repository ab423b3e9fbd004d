#ifndef VQ_MAPA_BITS_H
#define VQ_MAPA_BITS_H

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Lector propio para las pruebas, independiente del juego y del generador:
// sólo BMP de 24 bits sin comprimir.
struct MapaBits {
    std::vector<uint8_t> datos;
    int ancho = 0, alto = 0;

    explicit MapaBits(const std::string& ruta);
    uint32_t entero(size_t desde, int bytes) const;
    // Fila 0 arriba, como se ve la imagen; devuelve (r, g, b).
    std::array<int, 3> pixel(int x, int fila) const;
    double luminancia(int x, int fila) const;
};

#endif
