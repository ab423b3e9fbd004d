#ifndef VQ_COMPARACION_H
#define VQ_COMPARACION_H

#include "EscritorioX.h"
#include "MapaBits.h"

// Fracción de puntos del tablero (cámara inicial) donde la captura muestra la imagen
// del nivel; invertida compara con la imagen dada vuelta, como control.
double coincidenciaTablero(const EscritorioX::Captura& captura, const MapaBits& imagen, bool invertida = false);

// Fracción de píxeles iguales a la imagen dibujada 1:1 (o n:1) con su esquina de abajo en (x, y).
double coincidenciaRectangulo(const EscritorioX::Captura& captura, const MapaBits& imagen, int x,
                              int y, int escala = 1);

// Dónde cae en la ventana (origen abajo a la izquierda) un punto del tablero
// visto por la cámara 0 con la escala de 0,8: la cuenta hecha aparte, sin OpenGL.
void proyectarCamaraInicial(double px, double py, double pz, double& vx, double& vy);

bool parecidos(const EscritorioX::Color& a, const EscritorioX::Color& b, int tolerancia);

// Si dos capturas tienen iguales las filas [y0, y1) (desde abajo) del tablero, a esa escala.
bool mismasFilas(const EscritorioX::Captura& a, const EscritorioX::Captura& b, int y0, int y1, int escala = 1);

// Un contador del panel: dígitos de siete segmentos de 15 píxeles desde (x, y), desde
// abajo (todo n veces más grande a escala n); un menos es sólo el segmento del medio. Sin dígitos
// legibles, SIN_NUMERO.
constexpr int SIN_NUMERO = -1000000;
int leerContador(const EscritorioX::Captura& captura, int x, int y, int escala = 1);

#endif
