#ifndef VQ_HERRAMIENTAS_GENERADOR_H
#define VQ_HERRAMIENTAS_GENERADOR_H

#include <string>

#include "tools/Lienzo.h"
#include "tools/Nivel.h"

// Hace todos los datos del juego (imágenes, niveles y el modelo del cañón)
// dentro de un directorio que ya existe.
// Antes de escribir un solo nivel comprueba las reglas de los tres.
class Generador {
public:
    explicit Generador(const std::string& directorio) : directorio(directorio) {}

    // Los errores van a la salida de error; falso si algo no se escribió.
    bool generarTodo();

private:
    bool guardar(const Lienzo& lienzo, const char* nombre);
    bool escribir(const std::string& contenido, const char* nombre);
    bool niveles();
    bool canion();

    std::string directorio;
};

#endif
