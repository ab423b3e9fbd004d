#ifndef VQ_HERRAMIENTAS_ESCRITOR_3DS_H
#define VQ_HERRAMIENTAS_ESCRITOR_3DS_H

#include <string>
#include <vector>

#include "tools/Color.h"
#include "tools/Malla.h"

// Arma un archivo 3DS con lo justo que el juego lee: materiales con color
// difuso y quizás un mapa de textura, y objetos con vértices, coordenadas de
// textura y caras agrupadas por material.
class Escritor3ds {
public:
    // textura vacía: material de color liso. Falso si el nombre es demasiado
    // largo o ya está.
    bool agregarMaterial(const std::string& nombre, const Color& difuso,
                         const std::string& textura);
    // Falso si la malla no cabe en los índices de 16 bits, si el nombre es
    // demasiado largo o si usa un material que no se agregó antes.
    bool agregarObjeto(const std::string& nombre, const Malla& malla);

    // El archivo entero: primero todos los materiales y luego los objetos.
    std::string contenido() const;

private:
    std::vector<std::string> nombresMateriales;
    std::string materiales;
    std::string objetos;
};

#endif
