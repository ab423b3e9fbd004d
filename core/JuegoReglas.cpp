#include <cmath>
#include <cstdlib>

#include "core/Camara.h"
#include "core/Canion.h"
#include "core/Juego.h"
#include "particles/Fuegos.h"
#include "playfield/Pelotita.h"
#include "playfield/Pieza.h"
#include "playfield/Plataforma.h"
#include "playfield/Rectangulo.h"
#include "screens/Interfaz.h"
#include "screens/Niveles.h"

// Las reglas del juego: el disparo, cada paso de la escena y el fin de cada tiro.

namespace {

const float RADIO_PELOTITA = 0.3f;
const float RAPIDEZ_DISPARO = 40.0f;
const double GRADOS_A_RADIANES = 0.017453292519943295;

}  // namespace

void Juego::disparar() {
    Interfaz::getInstance()->sumarBolas(-1);
    // Se dispara aunque no queden bolas: la cuenta puede ser negativa.
    pelotitasRestantes -= 1;
    estado = EN_VUELO;
    const double a = canion->getAngulo() * GRADOS_A_RADIANES;
    pelotitas.front()->setVelocidad(static_cast<float>(std::sin(a)) * RAPIDEZ_DISPARO,
                                    static_cast<float>(std::cos(a)) * -RAPIDEZ_DISPARO, 0.0f);
}

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
    if (estado != EN_VUELO) return;

    Pelotita& bola = *pelotitas.front();
    if (!(bola.getY() > 0.0f)) {
        terminarTiro();
        return;
    }
    // Mientras el aro la tiene, la bola no se mueve y cada paso gana una bola.
    if (plataforma->atrapar(bola)) {
        pelotitasRestantes += 1;
        Interfaz::getInstance()->sumarBolas(1);
        return;
    }
    plataforma->rebotar(bola);
    tablero->colisionar(bola);
    for (Pieza* p : piezas) p->colisionar(bola);
    bola.mover(dt);
}

void Juego::terminarTiro() {
    estado = LISTO;
    bool quedanBlancos = false;
    for (Pieza* p : piezas) {
        if (p->isGolpeada()) {
            p->setVisible(false);
        } else if (p->getTipo() == 0) {
            quedanBlancos = true;
        }
    }
    if (!quedanBlancos) terminarNivel();
    reiniciarPelotita();
}

void Juego::terminarNivel() {
    for (Pieza* p : piezas) delete p;
    piezas.clear();
    Interfaz* interfaz = Interfaz::getInstance();
    Niveles* niveles = Niveles::getInstance();
    if (niveles->getNivel() == Niveles::CANTIDAD) {
        interfaz->mostrarGanar();
        interfaz->reiniciar(PELOTITAS_POR_PARTIDA);
        pelotitasRestantes = PELOTITAS_POR_PARTIDA;
        niveles->siguienteNivel();
        fuegosActivos = true;
    } else if (pelotitasRestantes > 0) {
        niveles->siguienteNivel();
    } else {
        // Perdido: el tablero queda vacío y el próximo tiro que sale avanza
        // desde este mismo nivel.
        interfaz->mostrarPerder();
        estado = LISTO;
        interfaz->reiniciar(PELOTITAS_POR_PARTIDA);
        pelotitasRestantes = PELOTITAS_POR_PARTIDA;
    }
}

void Juego::reiniciarPelotita() {
    for (Pelotita* p : pelotitas) delete p;
    pelotitas.clear();
    Pelotita* p = new Pelotita(tablero->getAncho() / 2, ALTO_CANION, Z_JUEGO, 0, 0, 0);
    p->crearLista(RADIO_PELOTITA);
    agregarPelotita(p);
}
