#ifndef VQ_HERRAMIENTAS_MODELO_CANION_H
#define VQ_HERRAMIENTAS_MODELO_CANION_H

#include "tools/Escritor3ds.h"
#include "tools/Malla.h"

// El cañón de arriba del tablero: un caño que se ensancha hacia la boca,
// sobre una base redonda con dos brazos que lo sostienen por los muñones.
//
// Unidades y ejes del archivo: el juego escala por 0,08 y lleva (x, y, z) del
// archivo a (y, −x, z) del mundo. Así +x apunta tablero abajo, +y a la
// derecha y +z hacia quien mira; el pivote (donde espera la bola, de radio
// 3,75) está en (0, 0, 18,75) y el plano del tablero en z = 12,5, detrás del
// cual no debe quedar nada.
class ModeloCanion {
public:
    ModeloCanion();

    const Malla& getCanio() const { return canio; }
    const Malla& getMontura() const { return montura; }
    // Los dos materiales y los dos objetos; falso si el escritor rechaza algo.
    bool escribirEn(Escritor3ds& escritor) const;

private:
    void hacerCanio();
    void hacerMontura();

    Malla canio;
    Malla montura;
};

#endif
