#include "tools/EscritorPng.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int CANALES = 4;
constexpr uint8_t FILTRO_PAETH = 4;

uint8_t aByte(double v) {
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
}

void ponerGrande(std::string& destino, uint32_t valor) {
    for (int i = 3; i >= 0; --i) destino.push_back(static_cast<char>(valor >> (8 * i)));
}

// Un trozo: largo, tipo, datos y el CRC de tipo y datos.
void trozo(std::string& png, const char* tipo, const std::string& datos) {
    ponerGrande(png, static_cast<uint32_t>(datos.size()));
    const std::string cuerpo = std::string(tipo, 4) + datos;
    png += cuerpo;
    ponerGrande(png, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(cuerpo.data()),
                                                 static_cast<uInt>(cuerpo.size()))));
}

uint8_t paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
    return static_cast<uint8_t>(pb <= pc ? b : c);
}

// Las filas con el filtro Paeth delante de cada una: en los degradados y
// bordes suavizados del icono deja mucho más que comprimir que sin filtro.
std::string filtrar(const std::vector<uint8_t>& crudo, int ancho, int alto) {
    const size_t bytesFila = static_cast<size_t>(ancho) * CANALES;
    std::string filtrado;
    filtrado.reserve((bytesFila + 1) * alto);
    for (int y = 0; y < alto; ++y) {
        filtrado.push_back(static_cast<char>(FILTRO_PAETH));
        const uint8_t* fila = &crudo[y * bytesFila];
        const uint8_t* arriba = y > 0 ? fila - bytesFila : nullptr;
        for (size_t i = 0; i < bytesFila; ++i) {
            const int a = i >= CANALES ? fila[i - CANALES] : 0;
            const int b = arriba ? arriba[i] : 0;
            const int c = arriba && i >= CANALES ? arriba[i - CANALES] : 0;
            filtrado.push_back(static_cast<char>(static_cast<uint8_t>(fila[i] - paeth(a, b, c))));
        }
    }
    return filtrado;
}

}  // namespace

std::string EscritorPng::codificar(const Lienzo& lienzo, const std::vector<double>& opacidad) {
    const int ancho = lienzo.getAncho(), alto = lienzo.getAlto();
    if (opacidad.size() != static_cast<size_t>(ancho) * alto) return {};
    std::vector<uint8_t> crudo;
    crudo.reserve(opacidad.size() * CANALES);
    for (int y = 0; y < alto; ++y)
        for (int x = 0; x < ancho; ++x) {
            const Color c = lienzo.leer(x, y);
            crudo.insert(crudo.end(), {aByte(c.r), aByte(c.g), aByte(c.b),
                                       aByte(opacidad[static_cast<size_t>(y) * ancho + x])});
        }
    const std::string filtrado = filtrar(crudo, ancho, alto);
    uLongf largo = compressBound(static_cast<uLong>(filtrado.size()));
    std::string comprimido(largo, '\0');
    if (compress2(reinterpret_cast<Bytef*>(comprimido.data()), &largo,
                  reinterpret_cast<const Bytef*>(filtrado.data()),
                  static_cast<uLong>(filtrado.size()), Z_BEST_COMPRESSION) != Z_OK)
        return {};
    comprimido.resize(largo);

    std::string cabecera;
    ponerGrande(cabecera, static_cast<uint32_t>(ancho));
    ponerGrande(cabecera, static_cast<uint32_t>(alto));
    // 8 bits, color con alfa, compresión y filtros de siempre, sin entrelazado.
    cabecera += std::string("\x08\x06\x00\x00\x00", 5);
    std::string png("\x89PNG\r\n\x1a\n", 8);
    trozo(png, "IHDR", cabecera);
    trozo(png, "IDAT", comprimido);
    trozo(png, "IEND", "");
    return png;
}
