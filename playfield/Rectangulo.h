#ifndef VQ_RECTANGULO_H
#define VQ_RECTANGULO_H

#include "playfield/Rendereable.h"

class Pelotita;

// El tablero: un fondo con la imagen del nivel y tres paredes (izquierda,
// arriba y derecha); abajo queda abierto.
class Rectangulo : public Rendereable {
public:
    static constexpr float PROFUNDIDAD = 1.5f;
    static constexpr float REBOTE_LATERAL = -0.85f;
    static constexpr float REBOTE_TECHO = -0.8f;

    Rectangulo(float x, float y, float z, float a, float b, float c);
    ~Rectangulo() override;
    Rectangulo(const Rectangulo&) = delete;
    Rectangulo& operator=(const Rectangulo&) = delete;

    void crearGeometria(float ancho, float alto);
    void cargarTextura(const char* nombreArchivo);
    float getAncho() const { return ancho; }
    float getAlto() const { return alto; }
    unsigned int getTextura() const { return textura; }

    bool colisionar(Pelotita& bola);
    // Rebotes en las paredes desde que se creó.
    int getRebotes() const { return rebotes; }
    void render() override;

private:
    void liberarListas();

    unsigned int listaFondo = 0;
    unsigned int listaIzquierda = 0;
    unsigned int listaTecho = 0;
    unsigned int listaDerecha = 0;
    unsigned int textura = 0;
    float ancho = 0.0f;
    float alto = 0.0f;
    int rebotes = 0;
};

#endif
