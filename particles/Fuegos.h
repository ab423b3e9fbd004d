#ifndef VQ_FUEGOS_H
#define VQ_FUEGOS_H

#include <memory>

#include "particles/SistemaParticulas.h"

// Los fuegos artificiales: veinte sistemas de partículas cuyos emisores
// saltan a un lugar al azar sobre el tablero en cada actualización.
class Fuegos {
public:
    static constexpr int CANTIDAD = 20;

    // Crea los veinte sistemas con sus valores de fábrica.
    Fuegos();

    // Con el contexto OpenGL ya creado: cambia cada sistema por uno nuevo
    // con la configuración de los fuegos y lo inicializa.
    void preparar();
    void setColor(float r, float g, float b, int indice);
    void setPosicion(float x, float y, float z, int indice);
    // Mueve cada emisor a un lugar al azar y actualiza los sistemas en orden.
    void actualizar(float dt);
    // Dibuja los sistemas en orden; deja la iluminación apagada.
    void dibujar();

    const SistemaParticulas& getSistema(int indice) const { return *sistemas[indice]; }
    SistemaParticulas& getSistema(int indice) { return *sistemas[indice]; }

private:
    std::unique_ptr<SistemaParticulas> sistemas[CANTIDAD];
};

#endif
