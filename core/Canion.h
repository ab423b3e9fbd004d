#ifndef VQ_CANION_H
#define VQ_CANION_H

#include "playfield/Rendereable.h"

class Model_3DS;

// El cañón arriba del tablero: apunta entre 80 grados a cada lado de la
// vertical hacia abajo y se dibuja con su modelo 3DS girado por ese ángulo.
class Canion : public Rendereable {
public:
    static constexpr float ANGULO_MAXIMO = 80.0f;
    static constexpr const char* ARCHIVO_MODELO = "resources/hyperb.3ds";

    Canion(float x, float y, float z, float a, float b, float c);
    // El modelo es del cañón para toda la partida: no se libera.
    ~Canion() override = default;
    Canion(const Canion&) = delete;
    Canion& operator=(const Canion&) = delete;

    void rotar(float delta);
    float getAngulo() const { return angulo; }
    void render() override;

private:
    float angulo = 0.0f;
    Model_3DS* modelo;
};

#endif
