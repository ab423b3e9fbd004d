#ifndef VQ_GVECTOR_H
#define VQ_GVECTOR_H

#include "playfield/Rendereable.h"

// Raíz cuadrada en doble precisión, redondeada a float.
float raizCuadrada(float v);

// Vector de tres componentes en float. Toda la aritmética es en el lugar.
class Gvector : public Rendereable {
public:
    // Las componentes empiezan en (1, 1, 1) sean cuales sean los argumentos.
    Gvector(float x, float y, float z, float a, float b, float c);

    float getX() const { return vx; }
    float getY() const { return vy; }
    float getZ() const { return vz; }
    void setX(float v) { vx = v; }
    void setY(float v) { vy = v; }
    void setZ(float v) { vz = v; }
    Gvector* set(float x, float y, float z);

    void copiar(const Gvector& otro);
    void sumar(const Gvector& otro);
    void multiplicar(const Gvector& otro);
    void escalar(float s);
    float productoEscalar(const Gvector& otro) const;
    // Normaliza sólo la parte x-y: el juego se mueve en el plano del tablero.
    void normalizar();
    float modulo() const;

    void render() override;

private:
    float vx, vy, vz;
};

#endif
