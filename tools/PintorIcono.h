#ifndef VQ_HERRAMIENTAS_PINTOR_ICONO_H
#define VQ_HERRAMIENTAS_PINTOR_ICONO_H

#include <vector>

#include "tools/Lienzo.h"

// El icono del juego para los menús del escritorio: el cañón arriba, una
// bola en vuelo y piezas de colores sobre una insignia redonda oscura con
// borde dorado. Se dibuja en cada tamaño, no se escala desde uno grande,
// para que los bordes queden nítidos también en 16x16.
class PintorIcono {
public:
    static constexpr int LADOS[] = {16, 24, 32, 48, 64, 128, 256};

    static Lienzo pintar(int lado);
    // Opacidad de cada píxel, fila por fila: 1 dentro de la insignia, 0 fuera
    // y la parte cubierta en el borde.
    static std::vector<double> opacidad(int lado);
};

#endif
