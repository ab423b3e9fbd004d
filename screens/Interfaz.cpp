#include "screens/Interfaz.h"

#include <GL/gl.h>
#include <initializer_list>

#include "core/Iluminacion.h"
#include "core/Juego.h"
#include "core/Ventana.h"
#include "playfield/ModoRender.h"
#include "screens/Imagen2D.h"
#include "screens/MejorPuntaje.h"
#include "screens/NumerosLinea.h"

namespace {

const float Z_PAGINA = 0.01f;
const float Z_TICK = 0.02f;
const float Z_MENU = 0.04f;
const float Z_BOTON = 0.05f;
const float Z_CARTEL = 0.7f;
const double TAMANIO_NUMEROS = 15.0;

// Las páginas cubren el 80 % de la ventana, centradas.
const float FACTOR_PAGINA = 0.8f;
const float ANCHO_PAGINA = FACTOR_PAGINA * Ventana::ANCHO;
const float ALTO_PAGINA = FACTOR_PAGINA * Ventana::ALTO;
const float X_PAGINA = (Ventana::ANCHO - ANCHO_PAGINA) / 2;
const float Y_PAGINA = (Ventana::ALTO - ALTO_PAGINA) / 2;

struct LugarTick {
    float fx, fy;
    bool bajado;  // interpolado y facetado van 3 píxeles más abajo
};

const LugarTick LUGARES[Interfaz::CANTIDAD_TICKS] = {
    {0.422f, 0.57f, false}, {0.84f, 0.57f, false}, {0.64f, 0.57f, false},
    {0.84f, 0.6645f, true}, {0.64f, 0.6645f, true}, {0.33f, 0.75f, false},
    {0.422f, 0.6645f, false},
    {0.463f, 0.475f, false}, {0.685f, 0.475f, false}, {0.882f, 0.475f, false},
    {0.463f, 0.378f, false}, {0.685f, 0.378f, false}, {0.882f, 0.378f, false},
    {0.463f, 0.275f, false}, {0.685f, 0.275f, false}, {0.882f, 0.275f, false},
    {0.372f, 0.2f, false}, {0.436f, 0.2f, false}, {0.372f, 0.12f, false}, {0.436f, 0.12f, false},
    {0.53f, 0.06f, false}, {0.645f, 0.06f, false}, {0.77f, 0.06f, false}, {0.9f, 0.06f, false},
};

// Luz de cada fila de la grilla de colores, de arriba abajo.
const int LUZ_DE_FILA[3] = {0, 2, 1};
// Esquinas del tablero donde se puede poner la luz difusa.
const float POSICIONES[4][3] = {{0, 15, 7}, {18, 15, 7}, {0, 0, 7}, {18, 0, 7}};
// Entradas de la tabla de velocidades que ofrece la página.
const int VELOCIDADES[4] = {2, 4, 7, 8};

}  // namespace

Interfaz* Interfaz::getInstance() {
    static Interfaz* instancia = new Interfaz();
    return instancia;
}

Interfaz::Interfaz() {
    imagenGanar = new Imagen2D(150, 220, Z_CARTEL, 500, 160, "resources/ganar.bmp");
    imagenPerder = new Imagen2D(150, 220, Z_CARTEL, 500, 160, "resources/perder.bmp");
    botonAyuda = new Imagen2D(645, 300, Z_BOTON, 140, 35, "resources/ayuda_button.bmp");
    botonAjustes = new Imagen2D(645, 240, Z_BOTON, 140, 35, "resources/Ajustes.bmp");
    paginaAjustes = new Imagen2D(X_PAGINA, Y_PAGINA, Z_PAGINA, ANCHO_PAGINA, ALTO_PAGINA,
                                 "resources/configuracion.bmp");
    paginaAyuda = new Imagen2D(X_PAGINA, Y_PAGINA, Z_PAGINA, ANCHO_PAGINA, ALTO_PAGINA,
                               "resources/ayuda.bmp");
    salirAjustes = new Imagen2D(550, 420, Z_TICK, 140, 35, "resources/salir_button.bmp");
    salirAyuda = new Imagen2D(550, 420, Z_TICK, 140, 35, "resources/salir_button.bmp");
    menu = new Imagen2D(640, 0, Z_MENU, 160, Ventana::ALTO, "resources/menu.bmp");
    crearTicks();
    mejorPuntaje = new MejorPuntaje();

    for (Imagen2D* i : {imagenGanar, imagenPerder, paginaAjustes, paginaAyuda, salirAjustes,
                        salirAyuda}) {
        i->setVisible(false);
    }
    botonAyuda->setActiva(true);
    botonAjustes->setActiva(true);
}

void Interfaz::crearTicks() {
    for (int i = 0; i < CANTIDAD_TICKS; i++) {
        float x = X_PAGINA + ANCHO_PAGINA * LUGARES[i].fx;
        float y = Y_PAGINA + ALTO_PAGINA * LUGARES[i].fy;
        if (LUGARES[i].bajado) y -= 3;
        ticks[i] = new Imagen2D(x, y, Z_TICK, 13, 14, "resources/tick.bmp");
        ticks[i]->setVisible(false);
    }
}

void Interfaz::reiniciar(int n) {
    puntos = 0;
    nivel = 1;
    bolas = n;
}

// Los dos carteles terminan la partida: sus puntos pueden ser el mejor puntaje.
void Interfaz::mostrarGanar() {
    imagenGanar->setVisible(true);
    imagenGanar->setActiva(true);
    mejorPuntaje->registrar(puntos);
}

void Interfaz::mostrarPerder() {
    imagenPerder->setVisible(true);
    imagenPerder->setActiva(true);
    mejorPuntaje->registrar(puntos);
}

bool Interfaz::click(int x, int y) {
    if (botonAyuda->contiene(x, y)) {
        abrirAyuda();
        clicsBotones++;
    } else if (salirAyuda->contiene(x, y)) {
        cerrarAyuda();
        clicsBotones++;
    } else if (botonAjustes->contiene(x, y)) {
        abrirAjustes();
        clicsBotones++;
    } else if (salirAjustes->contiene(x, y)) {
        cerrarAjustes();
        clicsBotones++;
    } else {
        int elegido = -1;
        for (int i = 0; i < CANTIDAD_TICKS && elegido < 0; i++) {
            if (ticks[i]->contiene(x, y)) elegido = i;
        }
        if (elegido >= 0) {
            accionTick(elegido);
            clicsTicks++;
        } else if (imagenPerder->contiene(x, y)) {
            imagenPerder->setVisible(false);
            imagenPerder->setActiva(false);
        } else if (imagenGanar->contiene(x, y)) {
            imagenGanar->setVisible(false);
            imagenGanar->setActiva(false);
            Juego::getInstance()->apagarFuegos();
        } else {
            return false;
        }
    }
    return true;
}

void Interfaz::mostrarMenu(bool visible) {
    botonAyuda->setVisible(visible);
    botonAyuda->setActiva(visible);
    botonAjustes->setVisible(visible);
    botonAjustes->setActiva(visible);
    menu->setVisible(visible);
    menu->setActiva(false);
}

void Interfaz::abrirAyuda() {
    paginaAyuda->setVisible(true);
    paginaAyuda->setActiva(true);
    mostrarMenu(false);
    salirAyuda->setVisible(true);
    salirAyuda->setActiva(true);
    Juego::getInstance()->alternarPausa();
}

void Interfaz::cerrarAyuda() {
    paginaAyuda->setVisible(false);
    paginaAyuda->setActiva(false);
    mostrarMenu(true);
    salirAyuda->setVisible(false);
    salirAyuda->setActiva(false);
    Juego::getInstance()->alternarPausa();
}

void Interfaz::abrirAjustes() {
    paginaAjustes->setVisible(true);
    paginaAjustes->setActiva(true);
    mostrarMenu(false);
    salirAjustes->setVisible(true);
    salirAjustes->setActiva(true);
    for (Imagen2D* t : ticks) t->setActiva(true);
    actualizarTicks();
    Juego::getInstance()->alternarPausa();
}

void Interfaz::cerrarAjustes() {
    paginaAjustes->setVisible(false);
    paginaAjustes->setActiva(false);
    mostrarMenu(true);
    for (Imagen2D* t : ticks) {
        t->setVisible(false);
        t->setActiva(false);
    }
    salirAjustes->setVisible(false);
    salirAjustes->setActiva(false);
    Juego::getInstance()->alternarPausa();
}

void Interfaz::accionTick(int i) {
    if (i < TICK_FACETADO) {
        tickLuz(i);
    } else if (i < TICK_COLOR) {
        tickModo(i);
    } else if (i < TICK_POSICION) {
        tickColor(i);
    } else if (i < TICK_VELOCIDAD) {
        tickPosicion(i - TICK_POSICION);
    } else {
        tickVelocidad(i - TICK_VELOCIDAD);
    }
}

void Interfaz::tickLuz(int luz) {
    Juego::getInstance()->getIluminacion()->alternarLuz(luz);
    actualizarTicks();
}

void Interfaz::tickModo(int i) {
    ticks[i]->setVisible(true);
    ModoRender::getInstance()->elegir(i == TICK_FACETADO, i == TICK_INTERPOLADO,
                                      i == TICK_TEXTURADO, i == TICK_WIREFRAME);
    actualizarTicks();
}

void Interfaz::tickColor(int i) {
    ticks[i]->setVisible(!ticks[i]->isVisible());
    const int fila = (i - TICK_COLOR) / 3;
    const int primero = TICK_COLOR + 3 * fila;
    float color[4];
    for (int c = 0; c < 3; c++) color[c] = ticks[primero + c]->isVisible() ? 1.0f : 0.0f;
    color[3] = 0.0f;
    Juego::getInstance()->getIluminacion()->setColorLuz(LUZ_DE_FILA[fila], color);
}

void Interfaz::mostrarSoloUno(int primero, int cantidad, int elegido) {
    for (int k = 0; k < cantidad; k++) ticks[primero + k]->setVisible(k == elegido);
}

void Interfaz::tickPosicion(int k) {
    mostrarSoloUno(TICK_POSICION, 4, k);
    Juego* juego = Juego::getInstance();
    juego->setLuzX(POSICIONES[k][0]);
    juego->setLuzY(POSICIONES[k][1]);
    juego->setLuzZ(POSICIONES[k][2]);
}

void Interfaz::tickVelocidad(int k) {
    mostrarSoloUno(TICK_VELOCIDAD, 4, k);
    Juego::getInstance()->setIndiceVelocidad(VELOCIDADES[k]);
}

void Interfaz::actualizarTicks() {
    const ModoRender* modo = ModoRender::getInstance();
    ticks[TICK_FACETADO]->setVisible(modo->isFacetado());
    ticks[TICK_INTERPOLADO]->setVisible(modo->isInterpolado());
    ticks[TICK_TEXTURADO]->setVisible(modo->isTexturado());
    ticks[TICK_WIREFRAME]->setVisible(modo->isWireframe());
    const Iluminacion* luces = Juego::getInstance()->getIluminacion();
    ticks[TICK_LUZ + 0]->setVisible(luces->isAmbientalEncendida());
    ticks[TICK_LUZ + 1]->setVisible(luces->isDifusaEncendida());
    ticks[TICK_LUZ + 2]->setVisible(luces->isEspecularEncendida());
}

void Interfaz::dibujar() const {
    glMatrixMode(GL_MODELVIEW);
    if (menu->isVisible()) {
        const NumerosLinea& numeros = NumerosLinea::getInstance();
        numeros.dibujarNumero(fps, TAMANIO_NUMEROS, 750, 25);
        numeros.dibujarNumero(puntos, TAMANIO_NUMEROS, 690, 530);
        numeros.dibujarNumero(bolas, TAMANIO_NUMEROS, 670, 420);
        numeros.dibujarNumero(nivel, TAMANIO_NUMEROS, 750, 420);
    }
    for (const Imagen2D* i : {menu, paginaAjustes, botonAyuda, paginaAyuda, salirAyuda,
                              botonAjustes, salirAjustes}) {
        i->dibujar();
    }
    for (const Imagen2D* t : ticks) t->dibujar();
    imagenPerder->dibujar();
    imagenGanar->dibujar();
    if (imagenPerder->isVisible() || imagenGanar->isVisible()) mejorPuntaje->dibujar();
}
