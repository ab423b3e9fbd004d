#include "core/Camara.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>

#include "core/Ventana.h"
#include "playfield/Gvector.h"

namespace {

Gvector* vector(float x, float y, float z) {
    Gvector* v = new Gvector(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f);
    v->set(x, y, z);
    return v;
}

}  // namespace

Camara::Camara() {
    // La proporción es la de la ventana: la biblioteca de compatibilidad de
    // SDL informa en SDL_GetVideoInfo el tamaño del escritorio, no el de la ventana.
    const SDL_Surface* ventana = SDL_GetVideoSurface();
    double proporcion = static_cast<double>(Ventana::ANCHO) / Ventana::ALTO;
    if (ventana != nullptr && ventana->h > 0) {
        proporcion = static_cast<double>(ventana->w) / static_cast<double>(ventana->h);
    }
    gluPerspective(45.0, proporcion, static_cast<double>(0.1f), 100.0);
    ojo = vector(0.0f, 0.0f, 0.0f);
    centro = vector(0.0f, 1.0f, 0.0f);
    arriba = vector(0.0f, 0.0f, 1.0f);
}

Camara::~Camara() {
    delete ojo;
    delete centro;
    delete arriba;
}

void Camara::setOjo(float x, float y, float z) {
    ojo->set(x, y, z);
}

void Camara::setCentro(float x, float y, float z) {
    centro->set(x, y, z);
}

void Camara::setArriba(float x, float y, float z) {
    arriba->set(x, y, z);
}

void Camara::mirar() const {
    gluLookAt(ojo->getX(), ojo->getY(), ojo->getZ(), centro->getX(), centro->getY(),
              centro->getZ(), arriba->getX(), arriba->getY(), arriba->getZ());
}
