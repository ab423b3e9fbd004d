#include "Ayudas.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "SistemaPrueba.h"
#include "core/Juego.h"
#include "playfield/Pelotita.h"

namespace Ayudas {

Juego& juego() {
    SistemaPrueba::setRespuesta(Sistema::Respuesta::No);
    return *Juego::getInstance();
}

Color pixel(int x, int y, bool delantero) {
    unsigned char p[3] = {0, 0, 0};
    glReadBuffer(delantero ? GL_FRONT : GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
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

void proyeccionVentana(bool profundidad) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 800, 0, 600, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    if (profundidad) {
        glEnable(GL_DEPTH_TEST);
    } else {
        glDisable(GL_DEPTH_TEST);
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void agregarEntero(std::string& s, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; i++) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string bmp24(int ancho, int alto, const std::function<Color(int, int)>& color) {
    const int fila = (ancho * 3 + 3) / 4 * 4;
    std::string s = "BM";
    agregarEntero(s, 54 + fila * alto, 4);
    agregarEntero(s, 0, 4);
    agregarEntero(s, 54, 4);
    agregarEntero(s, 40, 4);
    agregarEntero(s, ancho, 4);
    agregarEntero(s, alto, 4);
    agregarEntero(s, 1, 2);
    agregarEntero(s, 24, 2);
    for (int i = 0; i < 6; i++) agregarEntero(s, 0, 4);
    // Las filas del archivo van de abajo arriba, cada píxel en azul, verde, rojo.
    for (int y = alto - 1; y >= 0; y--) {
        for (int x = 0; x < ancho; x++) {
            Color c = color(x, y);
            s += static_cast<char>(c.b);
            s += static_cast<char>(c.g);
            s += static_cast<char>(c.r);
        }
        s.append(fila - ancho * 3, '\0');
    }
    return s;
}

Pelotita* bola(float x, float y, float vx, float vy, float radio) {
    Pelotita* p = new Pelotita(x, y, 0.5f, 0, 0, 0);
    p->crearLista(radio);
    p->setVelocidad(vx, vy, 0.0f);
    return p;
}

namespace {

// Las carpetas vivas, para borrarlas también si el proceso termina con exit()
// (el juego lo hace ante un bitmap que falta, y así terminan los hijos de
// las pruebas de muerte), cuando sus destructores ya no corren.
std::vector<std::string>& vivas() {
    static std::vector<std::string>* carpetas = nullptr;
    if (carpetas == nullptr) {
        carpetas = new std::vector<std::string>();
        std::atexit([] {
            for (const std::string& c : *carpetas) {
                std::error_code error;
                std::filesystem::remove_all(c, error);
            }
        });
    }
    return *carpetas;
}

}  // namespace

Carpeta::Carpeta(bool entrar) {
    char plantilla[] = "/tmp/vq-pruebaXXXXXX";
    if (mkdtemp(plantilla) == nullptr) throw std::runtime_error("mkdtemp");
    camino = plantilla;
    vivas().push_back(camino);
    mkdir((camino + "/resources").c_str(), 0755);
    if (entrar) {
        char actual[4096];
        if (getcwd(actual, sizeof(actual)) == nullptr) throw std::runtime_error("getcwd");
        anterior = actual;
        if (chdir(camino.c_str()) != 0) throw std::runtime_error("chdir");
    }
}

Carpeta::~Carpeta() {
    if (!anterior.empty() && chdir(anterior.c_str()) != 0) return;
    std::error_code error;
    std::filesystem::remove_all(camino, error);
    std::vector<std::string>& v = vivas();
    v.erase(std::remove(v.begin(), v.end(), camino), v.end());
}

std::string Carpeta::escribir(const std::string& nombre, const std::string& contenido) const {
    std::string ruta = camino + "/" + nombre;
    std::ofstream(ruta, std::ios::binary) << contenido;
    return ruta;
}

void Carpeta::enlazarRecurso(const std::string& nombre) const {
    std::string origen = std::string(RAIZ_REPOSITORIO) + "/resources/" + nombre;
    std::string destino = camino + "/resources/" + nombre;
    if (symlink(origen.c_str(), destino.c_str()) != 0) throw std::runtime_error("symlink " + destino);
}

void Carpeta::enlazarRecursos() const {
    namespace fs = std::filesystem;
    for (const auto& e : fs::directory_iterator(std::string(RAIZ_REPOSITORIO) + "/resources")) {
        const std::string nombre = e.path().filename();
        if (!fs::exists(camino + "/resources/" + nombre)) enlazarRecurso(nombre);
    }
}

}  // namespace Ayudas
