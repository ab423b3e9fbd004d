#ifndef VQ_ARCHIVO_BINARIO_H
#define VQ_ARCHIVO_BINARIO_H

#include <cstddef>
#include <vector>

// Lectura de un archivo entero a memoria, con un tope: los lectores de
// imágenes y modelos trabajan luego sobre los bytes sin volver al disco.
class ArchivoBinario {
public:
    enum class Resultado { Leido, NoAbre, Grande };

    static Resultado leer(const char* ruta, size_t limite, std::vector<unsigned char>& bytes);
};

#endif
