// Objetivo de fuzzing del lector de niveles.
#include <cstdint>
#include <cstdio>

#include "screens/CargadorNivel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo) {
    if (largo == 0) return 0;
    std::FILE* archivo = fmemopen(const_cast<uint8_t*>(datos), largo, "r");
    if (archivo == nullptr) return 0;
    CargadorNivel::leer(archivo, "nivel", [](float, float, int) {});
    std::fclose(archivo);
    return 0;
}
