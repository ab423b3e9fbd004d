#ifndef VQ_COMPARACION_H
#define VQ_COMPARACION_H

#include "EscritorioX.h"
#include "MapaBits.h"

// Fracción de puntos del tablero (cámara inicial) donde la captura muestra
// la imagen del nivel, con una tolerancia por canal. Con invertida se compara
// contra la imagen dada vuelta, como control.
double coincidenciaTablero(const EscritorioX::Captura& captura, const MapaBits& imagen,
                           bool invertida = false);

// Fracción de píxeles de un rectángulo de la ventana (origen abajo a la
// izquierda) iguales a la imagen dibujada en él a escala 1:1.
double coincidenciaRectangulo(const EscritorioX::Captura& captura, const MapaBits& imagen, int x,
                              int y);

bool parecidos(const EscritorioX::Color& a, const std::array<int, 3>& b, int tolerancia);

#endif
