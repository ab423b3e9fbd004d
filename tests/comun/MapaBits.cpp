#include "MapaBits.h"

#include <fstream>
#include <iterator>

MapaBits::MapaBits(const std::string& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    datos.assign(std::istreambuf_iterator<char>(archivo), {});
    const auto entero = [this](size_t i) { return datos[i] | datos[i + 1] << 8 | datos[i + 2] << 16 | datos[i + 3] << 24; };
    if (datos.size() >= 54) {
        ancho = entero(18);
        alto = entero(22);
    }
}

EscritorioX::Color MapaBits::pixel(int x, int fila) const {
    const size_t p = 54 + (static_cast<size_t>(alto - 1 - fila) * ancho + x) * 3;
    return {datos[p + 2], datos[p + 1], datos[p]};
}
