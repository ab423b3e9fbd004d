// gtest antes que Xlib: las macros de X (None, Bool) chocan con sus plantillas.
#include <gtest/gtest.h>

#include "Ayudas.h"

#include <GL/gl.h>
#include <unistd.h>

#include <vector>

#include "SistemaPrueba.h"
#include "core/Canion.h"
#include "core/Juego.h"
#include "playfield/Pelotita.h"
#include "screens/CargadorNivel.h"

namespace Ayudas {

Juego& juego() {
    SistemaPrueba::setRespuesta(Sistema::Respuesta::No);
    return *Juego::getInstance();
}

SDL_Event tecla(SDLKey simbolo, bool abajo) {
    SDL_Event e = {};
    e.type = abajo ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.keysym.sym = simbolo;
    return e;
}

std::string pulsar(Juego& juego, SDLKey simbolo) {
    SDL_Event abajo = tecla(simbolo), arriba = tecla(simbolo, false);
    testing::internal::CaptureStdout();
    juego.manejarEvento(&abajo);
    juego.manejarEvento(&arriba);
    return testing::internal::GetCapturedStdout();
}

void clic(Juego& juego, int x, int y, int xSuelta, int ySuelta) {
    SDL_Event e = {};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    juego.manejarEvento(&e);
    e.type = SDL_MOUSEBUTTONUP;
    e.button.x = static_cast<Uint16>(xSuelta < 0 ? x : xSuelta);
    e.button.y = static_cast<Uint16>(ySuelta < 0 ? y : ySuelta);
    juego.manejarEvento(&e);
}

SDL_Event movimiento(int xrel, int yrel) {
    SDL_Event e = {};
    e.type = SDL_MOUSEMOTION;
    e.motion.xrel = static_cast<Sint16>(xrel);
    e.motion.yrel = static_cast<Sint16>(yrel);
    return e;
}

int tiro(Juego& juego, float angulo) {
    Canion& canion = juego.getCanion();
    canion.rotar(angulo - canion.getAngulo());
    clic(juego);
    int pasos = 0;
    for (; juego.getEstado() == Juego::EN_VUELO && pasos < 5000; pasos++) juego.actualizar(PASO);
    return pasos;
}

Color pixel(int x, int y) {
    unsigned char p[3] = {0, 0, 0};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
}

EscritorioX::Captura capturar() {
    std::vector<unsigned char> filas(800 * 600 * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, filas.data());
    EscritorioX::Captura c{800, 600, std::vector<Color>(800 * 600)};
    for (size_t i = 0; i < c.pixeles.size(); i++)  // OpenGL da la fila de abajo primero
        c.pixeles[(599 - i / 800) * 800 + i % 800] = {filas[3 * i], filas[3 * i + 1], filas[3 * i + 2]};
    return c;
}

void proyeccionVentana(bool profundidad) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 800, 0, 600, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    profundidad ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void agregarEntero(std::string& s, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; i++) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

Pelotita* bola(float x, float y, float vx, float vy, float radio) {
    Pelotita* p = new Pelotita(x, y, 0.5f, 0, 0, 0);
    p->crearLista(radio);
    p->setVelocidad(vx, vy, 0.0f);
    return p;
}

Juego& juegoConNiveles(Carpeta& carpeta, const char* n1, const char* n2, const char* n3) {
    carpeta.escribir("resources/pantalla1.txt", n1);
    carpeta.escribir("resources/pantalla2.txt", n2);
    carpeta.escribir("resources/pantalla3.txt", n3);
    carpeta.enlazarRecursos();
    Juego& j = juego();
    CargadorNivel().cargarNivel(j, "resources/pantalla1.txt");
    return j;
}

}  // namespace Ayudas
