#ifndef VQ_PLATAFORMA_H
#define VQ_PLATAFORMA_H

#include "playfield/Rendereable.h"

class Pelotita;
class Pieza;

// El atrapador: un aro que oscila a lo largo del borde de abajo, con una
// clavija a cada lado de su boca.
class Plataforma : public Rendereable {
public:
    static constexpr float AMPLITUD = 7.5f;
    static constexpr float FRECUENCIA = 8.0f;
    static constexpr float MEDIA_BOCA = 1.0f;
    static constexpr float ALTURA_CAPTURA = 0.8f;
    // Las clavijas de los extremos son grises y valen 50 puntos.
    static constexpr unsigned int TIPO_EXTREMOS = 1;

    Plataforma(float x, float y, float z, float a, float b, float c);
    ~Plataforma() override;
    Plataforma(const Plataforma&) = delete;
    Plataforma& operator=(const Plataforma&) = delete;

    void mover(float dt);
    void rebotar(Pelotita& bola);
    bool atrapar(const Pelotita& bola) const;
    void render() override;
    void dibujarToro(int lados, int anillos) const;

    float getCentro() const { return x + desplazamiento; }
    float getFase() const { return fase; }
    const Pieza& getIzquierda() const { return *izquierda; }
    const Pieza& getDerecha() const { return *derecha; }

private:
    // El aro no cambia: se compila una vez.
    unsigned int listaToro = 0;
    float fase = 0.0f;
    // Empieza en 0, donde quedan las clavijas recién hechas.
    float desplazamiento = 0.0f;
    Pieza* izquierda;
    Pieza* derecha;
};

#endif
