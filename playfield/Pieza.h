#ifndef VQ_PIEZA_H
#define VQ_PIEZA_H

#include "playfield/Gvector.h"
#include "playfield/Rendereable.h"

class Pelotita;

// Una clavija del tablero. Rebota la bola como un espejo, perdiendo un 15 %
// de la velocidad, y suma sus puntos en cada contacto nuevo.
class Pieza : public Rendereable {
public:
    static constexpr float REBOTE = 0.85f;

    Pieza(float x, float y, float z, float a, float b, float c);
    ~Pieza() override;
    Pieza(const Pieza&) = delete;
    Pieza& operator=(const Pieza&) = delete;

    void crearLista(float radio);
    void setTipo(unsigned int t) { tipo = t; }
    unsigned int getTipo() const { return tipo; }
    int getPuntos() const;
    void setVisible(bool v) { visible = v; }
    bool isVisible() const { return visible; }
    bool isGolpeada() const { return golpeada; }
    // Contactos nuevos desde que se creó, los que sumaron puntos.
    int getContactos() const { return contactos; }
    void setX(float nuevoX) { x = nuevoX; }
    float getX() const { return x; }
    float getY() const { return y; }
    float getZ() const { return z; }
    float getRadio() const { return radio; }

    bool colisionar(Pelotita& bola);
    void render() override;

private:
    void rebotar(Gvector& velocidad, float dx, float dy);

    bool visible = true;
    bool golpeada = false;
    bool tocando = false;
    int contactos = 0;
    unsigned int lista = 0;
    unsigned int tipo = 0;
    float radio = 0.0f;
    Gvector* normal;
    Gvector* direccion;
};

#endif
