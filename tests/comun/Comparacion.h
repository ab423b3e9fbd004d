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

bool parecidos(const EscritorioX::Color& a, const EscritorioX::Color& b, int tolerancia);

// Si dos capturas tienen iguales las filas de la ventana [y0, y1) (origen
// abajo), en las columnas del tablero.
bool mismasFilas(const EscritorioX::Captura& a, const EscritorioX::Captura& b, int y0, int y1);

// Lee un contador del panel: dígitos de siete segmentos de 15 píxeles con la
// primera celda en (x, y) de la ventana (origen abajo a la izquierda). Un
// menos es una celda con sólo el segmento del medio. Sin dígitos legibles
// devuelve SIN_NUMERO.
constexpr int SIN_NUMERO = -1000000;
int leerContador(const EscritorioX::Captura& captura, int x, int y);

#endif
