#include "core/Juego.h"

#include <GL/gl.h>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif
#include <cstdio>
#include <cstdlib>

#include "core/Camara.h"
#include "core/Canion.h"
#include "core/Grabadora.h"
#include "core/Configuracion.h"
#include "core/Escala.h"
#include "core/Iluminacion.h"
#include "core/Opciones.h"
#include "core/Sistema.h"
#include "core/Ventana.h"
#include "particles/Fuegos.h"
#include "playfield/ModoRender.h"
#include "playfield/Pelotita.h"
#include "playfield/Pieza.h"
#include "playfield/Plataforma.h"
#include "playfield/Rectangulo.h"
#include "screens/Interfaz.h"

namespace {

const float RADIO_PIEZA = 0.3f;
const float Z_PIEZAS = 0.2f;
const float ESCALA_CAMARA_FIJA = 0.8f;
const float CORRIMIENTO_CAMARA_MOVIL = 0.5f;

}  // namespace

Juego* Juego::getInstance() {
    static Juego* instancia = new Juego();
    return instancia;
}

Juego::Juego() {
    abrirVentana();
    prepararEscena();
}

void Juego::abrirVentana() {
    Sistema::sostenerPantalla();
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "No se puede inicializar SDL: %s\n", SDL_GetError());
        std::exit(1);
    }
    std::atexit(SDL_Quit);
#if defined(__SANITIZE_ADDRESS__)
    // Con AddressSanitizer el informe de fugas corre antes que SDL_Quit: al
    // cerrar la pantalla, Mesa descarga su controlador y lo que reservó ya no
    // se puede atribuir a una biblioteca.
    std::atexit(__lsan_do_leak_check);
#endif

    Sistema::Respuesta respuesta = Sistema::Respuesta::No;
    switch (Opciones::getInstance()->getPantalla()) {
        case Opciones::Pantalla::Preguntar:
            respuesta = Sistema::preguntarSiNo("Pantalla Completa",
                                               "¿Desea iniciar el juego en pantalla completa?");
            break;
        case Opciones::Pantalla::Completa:
            respuesta = Sistema::Respuesta::Si;
            break;
        case Opciones::Pantalla::Ventana:
            break;
    }
    // Sólo un No explícito deja la ventana; si la pregunta falla, pantalla completa.
    Uint32 banderas = SDL_HWSURFACE | SDL_OPENGLBLIT | SDL_ASYNCBLIT;
    if (respuesta != Sistema::Respuesta::No) banderas |= SDL_FULLSCREEN;
    Grabadora::getInstance()->anotarPantalla(respuesta != Sistema::Respuesta::No);
    const int escala = Escala::getInstance()->elegir(Configuracion::getInstance()->getEscala());
    pantalla = SDL_SetVideoMode(Ventana::ANCHO * escala, Ventana::ALTO * escala, 24, banderas);
    if (pantalla == nullptr) {
        std::printf("No se puede definir el \"video mode\": %s\n", SDL_GetError());
        std::exit(1);
    }
    SDL_WM_SetCaption("Vorlix Quintar", "resources/tick.bmp");
}

// El orden importa: la cámara necesita la proyección elegida, las luces la
// matriz del modelo, y los fuegos la semilla.
void Juego::prepararEscena() {
    prepararOpenGL();
    crearObjetos();
    prepararCamaras();
    prepararLuces();
    prepararPartida();
    prepararFuegos();
}

void Juego::prepararOpenGL() {
    glEnable(GL_DEPTH_TEST);
    glClearColor(0.01f, 0.01f, 0.01f, 0.0f);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
}

void Juego::crearObjetos() {
    tablero = new Rectangulo(0, 0, 0, 0, 0, 0);
    tablero->crearGeometria(18, 15);
    tablero->cargarTextura("resources/pantalla1.bmp");
    const float mitadAncho = tablero->getAncho() / 2;

    canion = new Canion(mitadAncho, ALTO_CANION, Z_JUEGO, 0, 0, 0);
    plataforma = new Plataforma(mitadAncho, 0, Z_JUEGO, 0, 0, 0);
    fps = 0;
    reiniciarPelotita();
}

void Juego::prepararCamaras() {
    const float w = tablero->getAncho(), h = tablero->getAlto();
    cantCamaras = 0;
    maxCamaras = MAX_CAMARAS;
    agregarCamara(w / 2, 5, 19, w / 2, 7, 0, 0, 1, 0);
    agregarCamara(w, 5, 19, w / 2, 7, 0, 0, 1, 0);
    agregarCamara(0, 5, 19, w / 2, 7, 0, 0, 1, 0);
    agregarCamara(w / 2, h / 2, 19, w / 2, h / 2, 0, 0, 1, 0);
    agregarCamara(w, h / 2, 19, w / 2, h / 2, 0, 0, 1, 0);
    agregarCamara(0, h / 2, 19, w / 2, h / 2, 0, 0, 1, 0);
    agregarCamara(w / 2, h, 19, w / 2, h / 2, 0, 0, 1, 0);
    agregarCamara(w, h, 19, w / 2, h / 2, 0, 0, 1, 0);
    agregarCamara(0, h, 19, w / 2, h / 2, 0, 0, 1, 0);

    camaraActual = 0;
    camara = new Camara();
    seleccionarCamara(0);
}

void Juego::prepararLuces() {
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_LIGHTING);
    luces = new Iluminacion();
    luces->alternarLuz(0);
    luces->alternarLuz(1);
    luces->alternarLuz(2);
    glEnable(GL_COLOR_MATERIAL);
}

void Juego::prepararPartida() {
    ModoRender::getInstance()->elegir(false, false, true, false);
    corriendo = true;
    sonido = Opciones::getInstance()->isSonido();
    pelotitasRestantes = PELOTITAS_POR_PARTIDA;
    Interfaz::getInstance()->reiniciar(pelotitasRestantes);
}

void Juego::prepararFuegos() {
    std::srand(Grabadora::getInstance()->semilla(Sistema::milisegundos()));
    std::rand();

    fuegos = new Fuegos();
    fuegos->preparar();
    static const float COLORES[5][3] = {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 1}, {0, 1, 1}};
    for (int i = 0; i < Fuegos::CANTIDAD; i++) {
        const float* c = COLORES[i % 5];
        fuegos->setColor(c[0], c[1], c[2], i);
        std::rand();
        moverFuego(i);
    }
}

// Un lugar al azar sobre el tablero; las llamadas a rand van en el orden z, y, x.
void Juego::moverFuego(int indice) {
    const float z = static_cast<float>(std::rand() % 5 + 2);
    const float y = static_cast<float>(std::rand() % 15);
    const float x = static_cast<float>(std::rand() % 16 + 2);
    fuegos->setPosicion(x, y, z, indice);
}

Juego::~Juego() {
    delete tablero;
    for (Pelotita* p : pelotitas) delete p;
    pelotitas.clear();
    for (Pieza* p : piezas) delete p;
    piezas.clear();
    delete canion;
    delete plataforma;
    delete camara;
    delete luces;
    delete fuegos;
}

void Juego::salir() {
    if (pantalla != nullptr) SDL_FreeSurface(pantalla);
}

void Juego::agregarPelotita(Pelotita* p) {
    pelotitas.push_back(p);
}

void Juego::agregarPieza(Pieza* p) {
    piezas.push_back(p);
}

void Juego::crearPieza(float x, float y, int tipo) {
    Pieza* p = new Pieza(x, y, Z_PIEZAS, 0, 0, 0);
    p->setTipo(static_cast<unsigned int>(tipo));
    p->crearLista(RADIO_PIEZA);
    p->setVisible(true);
    agregarPieza(p);
}

void Juego::cambiarFondo(const char* nombreArchivo) {
    tablero->cargarTextura(nombreArchivo);
}

void Juego::agregarCamara(float ox, float oy, float oz, float cx, float cy, float cz, float ax,
                          float ay, float az) {
    if (cantCamaras >= maxCamaras) {
        std::printf("No queda lugar para ingresar mas cámaras.");
        return;
    }
    const float valores[9] = {ox, oy, oz, cx, cy, cz, ax, ay, az};
    for (int i = 0; i < 9; i++) camaras[cantCamaras][i] = valores[i];
    cantCamaras++;
}

void Juego::seleccionarCamara(int indice) {
    const float* c = camaras[indice];
    camara->setOjo(c[0], c[1], c[2]);
    camara->setCentro(c[3], c[4], c[5]);
    camara->setArriba(c[6], c[7], c[8]);
}

void Juego::alternarPausa() {
    if (estado != PAUSA) {
        estadoGuardado = estado;
        estado = PAUSA;
    } else {
        estado = estadoGuardado;
    }
}

void Juego::setIndiceVelocidad(int i) {
    indiceVelocidad = i;
    std::printf("Velocidad actual: %fx\n", velocidades[i]);
    std::fflush(stdout);
}

void Juego::dibujar() {
    glEnable(GL_LIGHTING);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glPushMatrix();
    camara->mirar();
    if (camaraFija) {
        glScalef(ESCALA_CAMARA_FIJA, ESCALA_CAMARA_FIJA, ESCALA_CAMARA_FIJA);
    } else {
        glTranslatef(CORRIMIENTO_CAMARA_MOVIL, 0.0f, 0.0f);
    }
    const float mitadAncho = tablero->getAncho() / 2, mitadAlto = tablero->getAlto() / 2;
    glTranslatef(mitadAncho, mitadAlto, 0.0f);
    glRotatef(rotacionX, 1.0f, 0.0f, 0.0f);
    glRotatef(rotacionZ, 0.0f, 0.0f, 1.0f);
    glTranslatef(-mitadAncho, -mitadAlto, 0.0f);
    const float posicion[4] = {posicionLuz[0], posicionLuz[1], posicionLuz[2], 1.0f};
    luces->setPosicionLuz(1, posicion);

    canion->render();
    tablero->render();
    for (Pieza* p : piezas) p->render();
    for (Pelotita* p : pelotitas) p->render();
    plataforma->render();
    if (fuegosActivos) fuegos->dibujar();
    glPopMatrix();
    glDisable(GL_LIGHTING);

    // La capa 2D se mide en píxeles de 800 x 600 a cualquier escala.
    const SDL_Surface* ventana = SDL_GetVideoSurface();
    const double escala = Escala::getInstance()->getFactor();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, ventana->w / escala, 0, ventana->h / escala, -1, 1);
    Interfaz* interfaz = Interfaz::getInstance();
    interfaz->setFps(fps);
    interfaz->dibujar();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    SDL_GL_SwapBuffers();
}

