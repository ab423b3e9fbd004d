// Objetivo de fuzzing del lector de bitmaps DIB, con los comprimidos por tramos:
// una imagen devuelta tiene exactamente sus píxeles; un fallo siempre dice por qué.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "assets/RgbImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo) {
    const char* error = nullptr;
    RgbImage* imagen = decodificarDib(datos, largo, &error);
    if (imagen == nullptr) {
        if (error == nullptr || std::strlen(error) == 0) std::abort();
        return 0;
    }
    if (imagen->width <= 0 || imagen->height <= 0) std::abort();
    const size_t bytes = static_cast<size_t>(imagen->width) * static_cast<size_t>(imagen->height) * 3;
    // Leer el último byte hace que AddressSanitizer vea si el búfer es corto.
    volatile unsigned char ultimo = imagen->data[bytes - 1];
    (void)ultimo;
    std::free(imagen->data);
    std::free(imagen);
    return 0;
}
