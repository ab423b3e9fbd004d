// Objetivo de fuzzing del lector de partidas grabadas: lee y, si sirve, la
// recorre entera como lo hace el bucle.
#include <cstdint>
#include <string>

#include "core/Repeticion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo) {
    Repeticion r;
    std::string error;
    if (!r.leer(reinterpret_cast<const char*>(datos), largo, "partida", error)) return 0;
    SDL_Event e;
    float valores[4];
    int64_t pulsos = 0;
    while (!r.isTerminada()) {
        while (r.siguienteEvento(e)) r.siguienteConsola(valores, 4);
        if (r.terminarVuelta(pulsos))
            while (r.siguienteMarca()) {}
    }
    return 0;
}
