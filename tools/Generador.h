#ifndef VQ_HERRAMIENTAS_GENERADOR_H
#define VQ_HERRAMIENTAS_GENERADOR_H

#include <string>

#include "tools/Lienzo.h"
#include "tools/Nivel.h"

// Hace todos los datos del juego (imágenes, niveles, el modelo del cañón y los sonidos)
// dentro de un directorio que ya existe y, si se le da otro, los iconos del
// escritorio en ése.
// Antes de escribir un solo nivel comprueba las reglas de los tres.
class Generador {
public:
    Generador(const std::string& directorio, const std::string& directorioIconos)
        : directorio(directorio), directorioIconos(directorioIconos) {}

    // Los errores van a la salida de error; falso si algo no se escribió.
    bool generarTodo();

private:
    bool guardar(const Lienzo& lienzo, const char* nombre);
    bool escribir(const std::string& contenido, const char* nombre);
    bool escribirEnRuta(const std::string& contenido, const std::string& ruta);
    bool niveles();
    bool canion();
    bool sonidos();
    bool iconos();

    std::string directorio;
    std::string directorioIconos;
};

#endif
