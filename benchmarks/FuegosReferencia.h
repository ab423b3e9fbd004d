#ifndef VQ_FUEGOS_REFERENCIA_H
#define VQ_FUEGOS_REFERENCIA_H

#include <vector>

// Lo que dibujan los fuegos del juego, en OpenGL pelado: 20 grupos de 100
// sprites de punto con la textura, el tamaño, la atenuación y la mezcla de
// los fuegos, en lugares fijos repartidos como los de una explosión.
class FuegosReferencia {
public:
    static constexpr int GRUPOS = 20;
    static constexpr int POR_GRUPO = 100;

    // Con el contexto de OpenGL ya creado.
    FuegosReferencia();
    ~FuegosReferencia();
    FuegosReferencia(const FuegosReferencia&) = delete;
    FuegosReferencia& operator=(const FuegosReferencia&) = delete;

    // Dentro de la escena, con la cámara y las luces puestas; deja apagados
    // la textura, la mezcla y los sprites.
    void dibujar() const;
    int getSprites() const { return static_cast<int>(puntos.size() / 3); }

private:
    std::vector<float> puntos;
    unsigned int textura = 0;
    float tamanioMaximo = 1.0f;
};

#endif
