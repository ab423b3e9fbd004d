#ifndef VQ_HERRAMIENTAS_TIPOGRAFIA_H
#define VQ_HERRAMIENTAS_TIPOGRAFIA_H

#include <ft2build.h>

#include <string>
#include <vector>
#include FT_FREETYPE_H

#include "tools/Color.h"
#include "tools/Lienzo.h"

// Una fuente TrueType que escribe texto UTF-8 suavizado sobre un lienzo.
// Los tamaños son en píxeles: cada imagen se hace al tamaño en que el juego
// la muestra, así que el texto queda 1:1.
class Tipografia {
public:
    explicit Tipografia(const std::string& ruta);
    ~Tipografia();
    Tipografia(const Tipografia&) = delete;
    Tipografia& operator=(const Tipografia&) = delete;

    bool isCargada() const { return cara != nullptr; }

    int medir(const std::string& texto, int tam);
    // Escribe con la línea de base en y; devuelve la x donde termina.
    int escribir(Lienzo& lienzo, const std::string& texto, int x, int y, int tam,
                 const Color& color);
    void escribirCentrado(Lienzo& lienzo, const std::string& texto, int centroX, int y, int tam,
                          const Color& color);
    // Parte en líneas que caben en anchoMax, cortando sólo en los espacios.
    std::vector<std::string> partir(const std::string& texto, int tam, int anchoMax);
    // Distancia entre líneas de base consecutivas.
    int interlinea(int tam);

private:
    int recorrer(Lienzo* lienzo, const std::string& texto, int x, int y, int tam,
                 const Color& color);

    FT_Library biblioteca = nullptr;
    FT_Face cara = nullptr;
};

#endif
