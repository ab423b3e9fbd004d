#ifndef VQ_HERRAMIENTAS_PALETA_H
#define VQ_HERRAMIENTAS_PALETA_H

#include "tools/Color.h"

// Colores comunes del panel, las páginas y los botones, para que todas las
// imágenes del juego combinen.
namespace Paleta {

constexpr Color PANEL_ARRIBA{0.17, 0.16, 0.26};
constexpr Color PANEL_ABAJO{0.08, 0.08, 0.13};
constexpr Color DORADO{0.96, 0.79, 0.40};
constexpr Color TEXTO_CLARO{0.90, 0.89, 0.94};
constexpr Color TEXTO_TENUE{0.66, 0.65, 0.74};
constexpr Color CREMA{0.97, 0.96, 0.91};
constexpr Color BORDE{0.50, 0.48, 0.64};
constexpr Color PAPEL{0.97, 0.96, 0.92};
constexpr Color TINTA{0.13, 0.13, 0.19};
constexpr Color ACENTO{0.34, 0.27, 0.56};
constexpr Color LINEA_SUAVE{0.80, 0.78, 0.86};
constexpr Color BOTON_ARRIBA{0.45, 0.40, 0.68};
constexpr Color BOTON_ABAJO{0.24, 0.21, 0.41};

constexpr Color desdeBytes(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

// Cada tipo de pieza como la ve el jugador: medidos en piezas iluminadas de
// una captura del nivel 1 con las luces de partida (mediana de los píxeles
// lejos del brillo blanco). Roja oscura, gris, verde y carmesí.
constexpr Color PIEZA_ENCENDIDA[4] = {desdeBytes(165, 71, 71), desdeBytes(154, 154, 154),
                                      desdeBytes(9, 255, 9), desdeBytes(162, 5, 69)};

}  // namespace Paleta

#endif
