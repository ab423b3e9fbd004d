#include "assets/ArchivoBinario.h"

#include <cstdio>

ArchivoBinario::Resultado ArchivoBinario::leer(const char* ruta, size_t limite,
                                               std::vector<unsigned char>& bytes) {
    bytes.clear();
    std::FILE* archivo = std::fopen(ruta, "rb");
    if (archivo == nullptr) return Resultado::NoAbre;
    // Se lee por bloques en vez de confiar en el tamaño que dice el sistema:
    // así también sirven tuberías y archivos que cambian mientras se leen.
    unsigned char bloque[65536];
    size_t leidos;
    while ((leidos = std::fread(bloque, 1, sizeof bloque, archivo)) > 0) {
        if (bytes.size() + leidos > limite) {
            std::fclose(archivo);
            bytes.clear();
            return Resultado::Grande;
        }
        bytes.insert(bytes.end(), bloque, bloque + leidos);
    }
    std::fclose(archivo);
    return Resultado::Leido;
}
