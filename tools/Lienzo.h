#ifndef VQ_HERRAMIENTAS_LIENZO_H
#define VQ_HERRAMIENTAS_LIENZO_H

#include <functional>
#include <string>
#include <vector>

#include "tools/Color.h"

// Imagen en memoria, fila 0 arriba, que se guarda como BMP de 24 bits.
// Las figuras se pintan con borde suavizado según la distancia al centro de
// cada píxel, sin supermuestreo.
class Lienzo {
public:
    Lienzo(int ancho, int alto, const Color& fondo = Color{});

    int getAncho() const { return ancho; }
    int getAlto() const { return alto; }
    Color leer(int x, int y) const;

    // Mezcla con cobertura alfa; los puntos fuera del lienzo se ignoran.
    void mezclar(int x, int y, const Color& c, double alfa);
    // Rectángulo de píxeles [x0, x1) × [y0, y1).
    void rellenar(int x0, int y0, int x1, int y1, const Color& c);
    void degradado(int x0, int y0, int x1, int y1, const Color& arriba, const Color& abajo);
    void marco(int x0, int y0, int x1, int y1, int grosor, const Color& c);
    void disco(double cx, double cy, double radio, const Color& c, double alfa = 1.0);
    // Disco con un brillo blanco cerca del centro, como una esfera iluminada.
    void esfera(double cx, double cy, double radio, const Color& c);
    void trazo(double x0, double y0, double x1, double y1, double grosor, const Color& c);
    void rectanguloRedondeado(double x0, double y0, double x1, double y1, double radio,
                              const Color& c);
    // Da a cada píxel el color que devuelve f en su centro.
    void sombrear(const std::function<Color(double x, double y)>& f);

    // Falso si el ancho no es múltiplo de 4 o si no se pudo escribir.
    bool guardarBmp(const std::string& ruta) const;

private:
    int ancho;
    int alto;
    std::vector<Color> pixeles;
};

#endif
