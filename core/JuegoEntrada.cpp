#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "core/Canion.h"
#include "core/Configuracion.h"
#include "core/Consola.h"
#include "core/Escala.h"
#include "core/Iluminacion.h"
#include "core/Juego.h"
#include "playfield/ModoRender.h"
#include "screens/Interfaz.h"

// La entrada del jugador: teclado, ratón y las preguntas de la consola.

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
        case SDLK_m:
            alternarSonido();
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

void Juego::alternarSonido() {
    sonido = !sonido;
    std::printf("Sonido: %s\n", sonido ? "sí" : "no");
    std::fflush(stdout);
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
    if (tecla == SDLK_ESCAPE || tecla == SDLK_q) {
        Configuracion::getInstance()->guardar(*this);
        std::exit(0);
    }
}

void Juego::movimientoMouse(const SDL_Event* evento) {
    // Divisiones enteras truncadas: un movimiento corto no gira nada. A
    // escala n el movimiento se divide antes por n, también truncado: n × x
    // píxeles giran lo mismo que x a escala 1.
    const Escala* escala = Escala::getInstance();
    const int x = escala->reducir(evento->motion.xrel), y = escala->reducir(evento->motion.yrel);
    if (botonDerecho) {
        rotacionZ += static_cast<float>(x / 2);
        rotacionX += static_cast<float>(y / 2);
    } else {
        canion->rotar(static_cast<float>(x / 3));
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
        // Un clic que toma una imagen no dispara, aunque el juego esté listo.
        const Escala* escala = Escala::getInstance();
        const int x = escala->reducir(evento->button.x), y = escala->reducir(evento->button.y);
        if (!Interfaz::getInstance()->click(x, y) && estado == LISTO) disparar();
    } else if (evento->button.button == SDL_BUTTON_RIGHT) {
        botonDerecho = false;
    }
}
