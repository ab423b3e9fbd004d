#include "core/Camara.h"
#include "core/Juego.h"
#include "particles/Fuegos.h"
#include "playfield/Pelotita.h"
#include "playfield/Plataforma.h"
#include "playfield/Rectangulo.h"

// Las reglas del juego: cada paso de la escena y la bola de cada tiro.

namespace {

const float RADIO_PELOTITA = 0.3f;

}  // namespace

void Juego::actualizar(float dt) {
    // Los fuegos van con el paso sin escalar, también en pausa.
    if (fuegosActivos) {
        fuegos->actualizar(dt);
        for (int i = 0; i < Fuegos::CANTIDAD; i++) moverFuego(i);
    }
    if (!camaraFija) {
        const Pelotita* bola = pelotitas.front();
        const float bx = bola->getX(), by = bola->getY(), bz = bola->getZ();
        camara->setCentro(bx, by, bz);
        camara->setOjo(bx + 0.5f, by + 5.0f, 3.0f);
        camara->setArriba(0.0f, 0.0f, 1.0f);
    }
    if (estado == PAUSA) return;
    dt = velocidades[indiceVelocidad] * dt;
    plataforma->mover(dt);
}

void Juego::reiniciarPelotita() {
    for (Pelotita* p : pelotitas) delete p;
    pelotitas.clear();
    Pelotita* p = new Pelotita(tablero->getAncho() / 2, ALTO_CANION, Z_JUEGO, 0, 0, 0);
    p->crearLista(RADIO_PELOTITA);
    agregarPelotita(p);
}
