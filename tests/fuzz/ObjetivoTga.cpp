// Objetivo de fuzzing del lector de TGA de las texturas del modelo.
#include <cstdint>
#include <cstdlib>

#include "assets/GLTexture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo) {
    GLTexture::ImagenTga imagen;
    if (GLTexture::leerTga(datos, largo, imagen)) {
        const size_t esperado =
            static_cast<size_t>(imagen.width) * static_cast<size_t>(imagen.height) * (imagen.bits / 8);
        if (imagen.pixels.size() != esperado || esperado > largo) std::abort();
    }
    return 0;
}
