#ifndef VQ_AYUDAS_H
#define VQ_AYUDAS_H

#include <SDL.h>

#include <cstdint>
#include <string>

#include "Carpeta.h"
#include "EscritorioX.h"

class Juego;
class Pelotita;

// Lo que comparten las pruebas que corren el juego en su propio proceso.
namespace Ayudas {

using Color = EscritorioX::Color;

constexpr float PASO = 0.25f / 29;  // el de un cuadro a 29 por segundo, a un cuarto del tiempo real

Juego& juego();  // el de la prueba, en ventana y con OpenGL; cada prueba corre en su proceso

SDL_Event tecla(SDLKey simbolo, bool abajo = true);
std::string pulsar(Juego& juego, SDLKey simbolo);  // pulsa y suelta; devuelve lo que el juego escribió
// Un botón del ratón apretado en (x, y) y soltado en (xSuelta, ySuelta).
void clic(Juego& juego, int x = 100, int y = 100, int xSuelta = -1, int ySuelta = -1);
SDL_Event movimiento(int xrel, int yrel = 0);
int tiro(Juego& juego, float angulo);  // apunta, dispara y avanza hasta que la bola sale; devuelve los pasos

// Un píxel (desde abajo) o todo el búfer de atrás, que conserva el último cuadro.
Color pixel(int x, int y);
EscritorioX::Captura capturar();

// Proyección ortogonal de la ventana, sin luces ni profundidad si no se pide, y borrada.
void proyeccionVentana(bool profundidad = false);

void agregarEntero(std::string& s, uint32_t v, int bytes);
Pelotita* bola(float x, float y, float vx, float vy, float radio = 0.3f);

// El juego en una carpeta con esos tres niveles y el resto de los recursos;
// el nivel 1 cargado, como al arrancar.
Juego& juegoConNiveles(Carpeta& carpeta, const char* n1, const char* n2, const char* n3);

}  // namespace Ayudas

#endif
