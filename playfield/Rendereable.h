#ifndef VQ_RENDEREABLE_H
#define VQ_RENDEREABLE_H

// Base de todo objeto de la escena: una posición y una forma de dibujarse.
class Rendereable {
public:
    Rendereable(float x, float y, float z, float a, float b, float c)
        : x(x), y(y), z(z), a(a), b(b), c(c) {}
    virtual ~Rendereable() = default;

    // Dibuja con la matriz de modelo actual y la deja como estaba.
    virtual void render() = 0;

protected:
    float x, y, z;
    // Guardados por el constructor; nadie los lee.
    float a, b, c;
};

#endif
