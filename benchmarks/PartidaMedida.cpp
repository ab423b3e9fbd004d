#include "PartidaMedida.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "SistemaPrueba.h"
#include "core/Escala.h"
#include "core/Juego.h"
#include "core/Oido.h"
#include "core/Sonido.h"

namespace fs = std::filesystem;

namespace {

// Dentro del cartel de ganar (150, 220, 500 x 160), con la y de SDL.
const int X_CARTEL = 400;
const int Y_CARTEL = 600 - 300;
// Lejos del panel y de los botones: el clic dispara.
const int X_DISPARO = 100;
const int Y_DISPARO = 100;
const int PASOS_MAXIMOS = 100000;

// Se crea después del juego: se cierra antes que SDL al salir.
Oido& oido() {
    static Sonido sonido;
    static Oido oido(sonido);
    return oido;
}

// Una carpeta con todos los recursos del repositorio enlazados, menos los
// niveles 2 y 3, que quedan vacíos.
fs::path carpetaConNivelesVacios(const fs::path& raiz) {
    char plantilla[] = "/tmp/vq-medicionXXXXXX";
    if (mkdtemp(plantilla) == nullptr) throw std::runtime_error("mkdtemp");
    const fs::path carpeta = plantilla;
    fs::create_directory(carpeta / "resources");
    for (const char* nivel : {"pantalla2.txt", "pantalla3.txt"})
        std::ofstream(carpeta / "resources" / nivel) << "0\n";
    for (const auto& e : fs::directory_iterator(raiz / "resources")) {
        const fs::path destino = carpeta / "resources" / e.path().filename();
        if (!fs::exists(destino)) fs::create_symlink(e.path(), destino);
    }
    return carpeta;
}

// Lo que el juego escribe mientras se juega no se mezcla con la tabla de
// resultados; devuelve la salida que había.
int callarSalida() {
    std::fflush(stdout);
    const int anterior = dup(STDOUT_FILENO);
    const int nulo = open("/dev/null", O_WRONLY);
    dup2(nulo, STDOUT_FILENO);
    close(nulo);
    return anterior;
}

void devolverSalida(int anterior) {
    std::fflush(stdout);
    dup2(anterior, STDOUT_FILENO);
    close(anterior);
}

}  // namespace

Juego& PartidaMedida::ganada() {
    static Juego& juego = jugarHastaGanar();
    return juego;
}

Juego& PartidaMedida::sinFuegos() {
    Juego& juego = ganada();
    if (juego.isFuegosActivos()) clic(juego, X_CARTEL, Y_CARTEL);
    return juego;
}

Juego& PartidaMedida::jugarHastaGanar() {
    const fs::path raiz = fs::current_path();
    const fs::path carpeta = carpetaConNivelesVacios(raiz);
    fs::current_path(carpeta);
    const int salida = callarSalida();
    SistemaPrueba::setRespuesta(Sistema::Respuesta::No);
    Juego& juego = *Juego::getInstance();
    oido().empezar(juego);
    // El tablero empieza sin piezas: el primer tiro despeja el nivel 1.
    for (int tiro = 0; tiro < 3; tiro++) disparar(juego);
    devolverSalida(salida);
    fs::current_path(raiz);
    fs::remove_all(carpeta);
    return juego;
}

void PartidaMedida::disparar(Juego& juego) {
    clic(juego, X_DISPARO, Y_DISPARO);
    for (int i = 0; i < PASOS_MAXIMOS && juego.getEstado() != Juego::LISTO; i++)
        actualizar(juego);
}

void PartidaMedida::actualizar(Juego& juego) {
    juego.actualizar(PASO);
    oido().escuchar(juego);
}

// En píxeles de 800 x 600: a escala n, el clic cae n veces más lejos.
void PartidaMedida::clic(Juego& juego, int x, int y) {
    SDL_Event e = {};
    const int escala = Escala::getInstance()->getFactor();
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = static_cast<Uint16>(x * escala);
    e.button.y = static_cast<Uint16>(y * escala);
    e.type = SDL_MOUSEBUTTONDOWN;
    juego.manejarEvento(&e);
    e.type = SDL_MOUSEBUTTONUP;
    juego.manejarEvento(&e);
}
