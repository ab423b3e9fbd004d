#ifndef VQ_IMAGEN_2D_H
#define VQ_IMAGEN_2D_H

#include <string>

#include "screens/CuadroTextura.h"

// Una imagen de la capa 2D que además sabe si un clic cayó sobre ella.
class Imagen2D {
public:
    Imagen2D(float x, float y, float z, double ancho, double alto, const char* nombreArchivo);
    ~Imagen2D();
    Imagen2D(const Imagen2D&) = delete;
    Imagen2D& operator=(const Imagen2D&) = delete;

    void setVisible(bool v) { visible = v; }
    bool isVisible() const { return visible; }
    void setActiva(bool a) { activa = a; }
    bool isActiva() const { return activa; }
    float getX() const { return x; }
    float getY() const { return y; }
    float getAncho() const { return ancho; }
    float getAlto() const { return alto; }
    const std::string& getNombreArchivo() const { return nombreArchivo; }
    const CuadroTextura& getCuadro() const { return *cuadro; }

    // Recibe la posición tal como la da SDL.
    bool contiene(int mouseX, int mouseY) const;
    void dibujar() const;

private:
    float x, y, z;
    float ancho, alto;
    std::string nombreArchivo;
    bool visible;
    bool activa;
    CuadroTextura* cuadro;
};

#endif
