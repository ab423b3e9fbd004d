#include "assets/DescompresorRle.h"

namespace {

enum Escape : unsigned { FIN_FILA = 0, FIN_BITMAP = 1, SALTO = 2 };

}  // namespace

bool DescompresorRle::descomprimir(const unsigned char* datos, size_t largo, size_t ancho,
                                   size_t alto, unsigned char* rgb) const {
    // x crece a lo sumo 255 por cada par de bytes leído: no se desborda.
    size_t x = 0, y = 0, i = 0;
    const auto poner = [&](unsigned color) {
        if (x < ancho && y < alto) {
            if (color >= colores) return false;
            const unsigned char* entrada = paleta + 4 * color;
            unsigned char* pixel = rgb + 3 * (y * ancho + x);
            pixel[0] = entrada[2];
            pixel[1] = entrada[1];
            pixel[2] = entrada[0];
        }
        ++x;
        return true;
    };
    while (i + 2 <= largo && y < alto) {
        const unsigned cuenta = datos[i], valor = datos[i + 1];
        i += 2;
        if (cuenta > 0) {
            for (unsigned k = 0; k < cuenta; ++k)
                if (!poner(indice(static_cast<unsigned char>(valor), k))) return false;
        } else if (valor == FIN_FILA) {
            x = 0;
            ++y;
        } else if (valor == FIN_BITMAP) {
            break;
        } else if (valor == SALTO) {
            if (i + 2 > largo) break;
            x += datos[i];
            y += datos[i + 1];
            i += 2;
        } else {
            const size_t bytes = bits == 8 ? valor : (valor + 1) / 2;
            for (unsigned k = 0; k < valor; ++k) {
                const size_t byte = i + (bits == 8 ? k : k / 2);
                if (byte >= largo) break;
                if (!poner(indice(datos[byte], k))) return false;
            }
            i += bytes + bytes % 2;
        }
    }
    return true;
}
