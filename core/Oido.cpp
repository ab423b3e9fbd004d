#include "core/Oido.h"

#include "core/Juego.h"
#include "playfield/Pieza.h"
#include "playfield/Plataforma.h"
#include "playfield/Rectangulo.h"
#include "screens/Interfaz.h"
#include "screens/Niveles.h"

Oido::Foto Oido::fotografiar(Juego& juego) {
    Foto f;
    f.estado = juego.getEstado();
    f.pelotitas = juego.getPelotitasRestantes();
    f.nivel = Niveles::getInstance()->getNivel();
    f.fuegos = juego.isFuegosActivos();
    f.sonido = juego.isSonido();
    for (const Pieza* p : juego.getPiezas())
        if (p->getTipo() < 4) f.contactos[p->getTipo()] += p->getContactos();
    const Plataforma& aro = juego.getPlataforma();
    f.extremos = aro.getIzquierda().getContactos() + aro.getDerecha().getContactos();
    f.paredes = juego.getTablero().getRebotes();
    const Interfaz* interfaz = Interfaz::getInstance();
    f.botones = interfaz->getClicsBotones();
    f.ticks = interfaz->getClicsTicks();
    return f;
}

void Oido::empezar(Juego& juego) {
    antes = fotografiar(juego);
    pausado = antes.estado == Juego::PAUSA;
    jugable = pausado ? Juego::LISTO : antes.estado;
    altavoz.encender(antes.sonido);
}

void Oido::escuchar(Juego& juego) {
    const Foto ahora = fotografiar(juego);
    if (ahora.sonido != antes.sonido) {
        // Apagar calla también las chispas; al encender vuelven si siguen los fuegos.
        altavoz.encender(ahora.sonido);
        chispas = false;
    }
    if (ahora.botones != antes.botones) tocar(ahora, Efecto::Boton);
    if (ahora.ticks != antes.ticks) tocar(ahora, Efecto::Tick);
    const bool pausa = ahora.estado == Juego::PAUSA;
    if (pausa != pausado && ahora.sonido) altavoz.pausar(pausa);
    pausado = pausa;
    if (!pausa) {
        if (jugable == Juego::LISTO && ahora.estado == Juego::EN_VUELO) {
            tocar(ahora, Efecto::Disparo);
            pasoTiro = 0;
            retenidas = 0;
        }
        if (ahora.estado == Juego::EN_VUELO) oirVuelo(ahora);
        if (jugable == Juego::EN_VUELO && ahora.estado == Juego::LISTO) oirFinDelTiro(ahora);
        jugable = ahora.estado;
    }
    if (ahora.sonido && ahora.fuegos != chispas) {
        altavoz.chispas(ahora.fuegos);
        chispas = ahora.fuegos;
    }
    desdePared++;
    desdeExtremo++;
    antes = ahora;
}

// Varios contactos en una misma actualización suenan por tipo, cada uno un paso más arriba.
void Oido::oirVuelo(const Foto& ahora) {
    for (int t = 0; t < 4; t++)
        for (int n = ahora.contactos[t] - antes.contactos[t]; n > 0; n--)
            tocar(ahora, static_cast<Efecto>(static_cast<int>(Efecto::Pieza0) + t), pasoTiro++);
    if (ahora.paredes > antes.paredes && desdePared >= ACTUALIZACIONES_ENTRE_REBOTES) {
        tocar(ahora, Efecto::Pared);
        desdePared = 0;
    }
    if (ahora.extremos > antes.extremos && desdeExtremo >= ACTUALIZACIONES_ENTRE_REBOTES) {
        tocar(ahora, Efecto::Extremo);
        desdeExtremo = 0;
    }
    // Retenida, la bola gana una por actualización y no se mueve.
    if (ahora.pelotitas > antes.pelotitas) {
        if (retenidas % BOLAS_POR_CAMPANADA == 0)
            tocar(ahora, Efecto::Atrapada, retenidas / BOLAS_POR_CAMPANADA);
        retenidas++;
    } else {
        retenidas = 0;
    }
}

// Al salir la bola: victoria si el nivel volvió al 1, nivel si avanzó, y
// derrota si no avanzó pero la cuenta de bolas volvió a empezar.
void Oido::oirFinDelTiro(const Foto& ahora) {
    tocar(ahora, Efecto::Salida);
    if (pasoTiro > 0) tocar(ahora, Efecto::Desaparecen);
    if (ahora.nivel < antes.nivel) {
        tocar(ahora, Efecto::Victoria);
    } else if (ahora.nivel > antes.nivel) {
        tocar(ahora, Efecto::Nivel);
    } else if (ahora.pelotitas > antes.pelotitas) {
        tocar(ahora, Efecto::Derrota);
    }
}

void Oido::tocar(const Foto& ahora, Efecto efecto, int paso) {
    if (ahora.sonido) altavoz.tocar(efecto, paso);
}
