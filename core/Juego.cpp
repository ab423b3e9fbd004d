#include "core/Juego.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "core/Camara.h"
#include "core/Canion.h"
#include "core/Consola.h"
#include "core/Iluminacion.h"
#include "core/Sistema.h"
#include "playfield/ModoRender.h"
#include "playfield/Pelotita.h"
#include "playfield/Pieza.h"
#include "playfield/Plataforma.h"
#include "playfield/Rectangulo.h"
#include "screens/Interfaz.h"

namespace {

const int ANCHO_VENTANA = 800;
const int ALTO_VENTANA = 600;
const float ALTO_CANION = 15.0f;
const float Z_JUEGO = 0.5f;
const float RADIO_PELOTITA = 0.3f;
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
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "No se puede inicializar SDL: %s\n", SDL_GetError());
        std::exit(1);
    }
    std::atexit(SDL_Quit);

    Sistema::Respuesta respuesta = Sistema::preguntarSiNo(
        "Pantalla Completa", "¿Desea iniciar el juego en pantalla completa?");
    // Sólo un No explícito deja la ventana; si la pregunta falla, pantalla completa.
    Uint32 banderas = SDL_HWSURFACE | SDL_OPENGLBLIT | SDL_ASYNCBLIT;
    if (respuesta != Sistema::Respuesta::No) banderas |= SDL_FULLSCREEN;
    pantalla = SDL_SetVideoMode(ANCHO_VENTANA, ALTO_VENTANA, 24, banderas);
    if (pantalla == nullptr) {
        std::printf("No se puede definir el \"video mode\": %s\n", SDL_GetError());
        std::exit(1);
    }
    SDL_WM_SetCaption("Vorlix Quintar", "resources/tick.bmp");
}

void Juego::prepararEscena() {
    glEnable(GL_DEPTH_TEST);
    glClearColor(0.01f, 0.01f, 0.01f, 0.0f);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();

    tablero = new Rectangulo(0, 0, 0, 0, 0, 0);
    tablero->crearGeometria(18, 15);
    tablero->cargarTextura("resources/pantalla1.bmp");
    const float mitadAncho = tablero->getAncho() / 2;

    canion = new Canion(mitadAncho, ALTO_CANION, Z_JUEGO, 0, 0, 0);
    plataforma = new Plataforma(mitadAncho, 0, Z_JUEGO, 0, 0, 0);
    fps = 0;
    reiniciarPelotita();

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

    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_LIGHTING);
    luces = new Iluminacion();
    luces->alternarLuz(0);
    luces->alternarLuz(1);
    luces->alternarLuz(2);
    glEnable(GL_COLOR_MATERIAL);

    ModoRender::getInstance()->elegir(false, false, true, false);
    corriendo = true;
    pelotitasRestantes = PELOTITAS_POR_PARTIDA;
    Interfaz::getInstance()->reiniciar(pelotitasRestantes);

    std::srand(Sistema::milisegundos());
    std::rand();
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
}

void Juego::salir() {
    if (pantalla != nullptr) SDL_FreeSurface(pantalla);
}

void Juego::agregarPelotita(Pelotita* p) {
    pelotitas.push_back(p);
}

void Juego::reiniciarPelotita() {
    for (Pelotita* p : pelotitas) delete p;
    pelotitas.clear();
    Pelotita* p = new Pelotita(tablero->getAncho() / 2, ALTO_CANION, Z_JUEGO, 0, 0, 0);
    p->crearLista(RADIO_PELOTITA);
    agregarPelotita(p);
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

void Juego::actualizar(float dt) {
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
    glPopMatrix();
    glDisable(GL_LIGHTING);

    const SDL_Surface* ventana = SDL_GetVideoSurface();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, ventana->w, 0, ventana->h, -1, 1);
    Interfaz* interfaz = Interfaz::getInstance();
    interfaz->setFps(fps);
    interfaz->dibujar();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    SDL_GL_SwapBuffers();
}

void Juego::manejarEvento(const SDL_Event* evento) {
    switch (evento->type) {
        case SDL_KEYDOWN:
            teclaPresionada(evento);
            break;
        case SDL_KEYUP:
            teclaLiberada(evento);
            break;
        case SDL_MOUSEMOTION:
            movimientoMouse(evento);
            break;
        case SDL_MOUSEBUTTONDOWN:
            botonPresionado(evento);
            break;
        case SDL_MOUSEBUTTONUP:
            botonLiberado(evento);
            break;
        case SDL_QUIT:
            corriendo = false;
            break;
        default:
            break;
    }
}

void Juego::teclaPresionada(const SDL_Event* evento) {
    const SDLKey tecla = evento->key.keysym.sym;
    if (tecla == SDLK_ESCAPE) {
        corriendo = false;
        return;
    }
    // Cada pulsación actúa una sola vez, aunque el evento llegue repetido.
    if (teclaRetenida) return;
    if (accionTecla(tecla)) teclaRetenida = true;
}

// Devuelve si la tecla hizo algo, para retener la pulsación.
bool Juego::accionTecla(SDLKey tecla) {
    switch (tecla) {
        case SDLK_1:
        case SDLK_2:
        case SDLK_3:
            luces->alternarLuz(tecla - SDLK_1);
            return true;
        case SDLK_4:
            leerColorLuz(0, "Ingrese los valores RGBA de la nueva luz ambiental: ");
            return true;
        case SDLK_5:
            leerColorLuz(1, "Ingrese los valores RGBA de la nueva luz difusa: ");
            return true;
        case SDLK_6:
            leerColorLuz(2, "Ingrese los valores RGBA de la nueva luz especular: ");
            return true;
        case SDLK_7:
            Consola::preguntar("Ingrese los valores x y z de la nueva posicion de luz difusa: ",
                               std::cin, posicionLuz, 3);
            return true;
        case SDLK_h:
            cambiarModo(false, false, false, true, "Wireframe");
            return true;
        case SDLK_j:
            cambiarModo(true, false, false, false, "Facetado");
            return true;
        case SDLK_k:
            cambiarModo(false, true, false, false, "Interpolado");
            return true;
        case SDLK_l:
            cambiarModo(false, false, true, false, "Texturado");
            return true;
        case SDLK_p:
            alternarPausa();
            return true;
        case SDLK_v:
            if (!camaraFija) return false;
            siguienteCamara();
            return true;
        case SDLK_y:
            alternarCamara();
            return true;
        case SDLK_KP_MINUS:
            cambiarVelocidad(-1);
            return true;
        case SDLK_KP_PLUS:
            cambiarVelocidad(1);
            return true;
        default:
            return false;
    }
}

void Juego::leerColorLuz(int luz, const char* pregunta) {
    float color[4];
    Consola::preguntar(pregunta, std::cin, color, 4);
    luces->setColorLuz(luz, color);
}

void Juego::cambiarModo(bool facetado, bool interpolado, bool texturado, bool wireframe,
                        const char* palabra) {
    modoRender = ModoRender::getInstance();
    modoRender->elegir(facetado, interpolado, texturado, wireframe);
    std::printf("%s\n", palabra);
    std::fflush(stdout);
}

void Juego::cambiarVelocidad(int paso) {
    int i = indiceVelocidad + paso;
    if (i < 0) i = CANTIDAD_VELOCIDADES - 1;
    if (i >= CANTIDAD_VELOCIDADES) i = 0;
    setIndiceVelocidad(i);
}

void Juego::siguienteCamara() {
    camaraActual = camaraActual < cantCamaras - 1 ? camaraActual + 1 : 0;
    rotacionZ = 0.0f;
    rotacionX = 0.0f;
    seleccionarCamara(camaraActual);
}

void Juego::alternarCamara() {
    if (camaraFija) {
        camaraFija = false;
        return;
    }
    camaraActual = 0;
    rotacionZ = 0.0f;
    rotacionX = 0.0f;
    camaraFija = true;
    seleccionarCamara(0);
}

void Juego::teclaLiberada(const SDL_Event* evento) {
    teclaRetenida = false;
    const SDLKey tecla = evento->key.keysym.sym;
    if (tecla == SDLK_ESCAPE || tecla == SDLK_q) std::exit(0);
}

void Juego::movimientoMouse(const SDL_Event* evento) {
    // Divisiones enteras truncadas: un movimiento corto no gira nada.
    if (botonDerecho) {
        rotacionZ += static_cast<float>(evento->motion.xrel / 2);
        rotacionX += static_cast<float>(evento->motion.yrel / 2);
    } else {
        canion->rotar(static_cast<float>(evento->motion.xrel / 3));
    }
}

void Juego::botonPresionado(const SDL_Event* evento) {
    if (evento->button.button == SDL_BUTTON_LEFT) {
        botonIzquierdo = true;
    } else if (evento->button.button == SDL_BUTTON_RIGHT && camaraFija) {
        botonDerecho = true;
    }
}

void Juego::botonLiberado(const SDL_Event* evento) {
    if (evento->button.button == SDL_BUTTON_LEFT) {
        if (!botonIzquierdo) return;
        botonIzquierdo = false;
        Interfaz::getInstance()->click(evento->button.x, evento->button.y);
    } else if (evento->button.button == SDL_BUTTON_RIGHT) {
        botonDerecho = false;
    }
}
