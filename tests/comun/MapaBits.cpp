#include "MapaBits.h"

#include <fstream>
#include <iterator>

MapaBits::MapaBits(const std::string& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    datos.assign(std::istreambuf_iterator<char>(archivo), {});
    if (datos.size() >= 54) {
        ancho = static_cast<int32_t>(entero(18, 4));
        alto = static_cast<int32_t>(entero(22, 4));
    }
}

uint32_t MapaBits::entero(size_t desde, int bytes) const {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | datos[desde + i];
    return v;
}

std::array<int, 3> MapaBits::pixel(int x, int fila) const {
    const size_t p = 54 + (static_cast<size_t>(alto - 1 - fila) * ancho + x) * 3;
    return {datos[p + 2], datos[p + 1], datos[p]};
}

double MapaBits::luminancia(int x, int fila) const {
    const auto c = pixel(x, fila);
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2];
}
