#ifndef VQ_VENTANA_H
#define VQ_VENTANA_H

// El tamaño de la ventana en píxeles: la capa 2D, la proporción de la cámara
// y las páginas se miden con él.
namespace Ventana {
constexpr int ANCHO = 800;
constexpr int ALTO = 600;
}  // namespace Ventana

#endif
