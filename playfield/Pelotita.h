#ifndef VQ_PELOTITA_H
#define VQ_PELOTITA_H

#include "playfield/Gvector.h"
#include "playfield/Rendereable.h"

// La bola: cae con gravedad constante. Los choques los resuelve el objeto
// golpeado, que cambia la velocidad en el lugar.
class Pelotita : public Rendereable {
public:
    static constexpr float GRAVEDAD = -90.0f;

    Pelotita(float x, float y, float z, float a, float b, float c);
    ~Pelotita() override;
    Pelotita(const Pelotita&) = delete;
    Pelotita& operator=(const Pelotita&) = delete;

    void crearLista(float radio);
    void setVelocidad(float vx, float vy, float vz);
    float getX() const { return x; }
    float getY() const { return y; }
    float getZ() const { return z; }
    float getVelX() const { return velocidad->getX(); }
    float getVelY() const { return velocidad->getY(); }
    float getVelZ() const { return velocidad->getZ(); }
    Gvector* getVelocidad() { return velocidad; }
    float getRadio() const { return radio; }

    void mover(float dt);
    void render() override;

private:
    unsigned int lista = 0;
    Gvector* velocidad;
    float radio = 0.0f;
};

#endif
