#include <gtest/gtest.h>

#include <dlfcn.h>
#include <execinfo.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

#include "Ayudas.h"
#include "core/Juego.h"
#include "playfield/Pelotita.h"
#include "particles/SistemaParticulas.h"
#include "screens/CargadorNivel.h"
#include "screens/Imagen2D.h"
#include "screens/Interfaz.h"

// Estos operadores reservan con malloc, así que liberar con free es lo correcto.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

// Cuenta las reservas de memoria de C++ del juego mientras se mide.
namespace {
std::atomic<bool> midiendo{false};
std::atomic<long> reservas{0};
// Cuántas reservas sin excepción salen bien antes de fallar; -1, todas.
std::atomic<long> fallarTras{-1};

// Las reservas del controlador de OpenGL (Mesa compila sus sombreadores con
// C++ y LLVM) no son del juego: se reconocen porque alguna función de la
// pila está en una de sus bibliotecas.
bool delControlador() {
    void* pila[64];
    const int n = backtrace(pila, 64);
    for (int i = 1; i < n; i++) {
        Dl_info info;
        if (dladdr(pila[i], &info) && info.dli_fname &&
            (std::strstr(info.dli_fname, "_dri.so") || std::strstr(info.dli_fname, "libLLVM") ||
             std::strstr(info.dli_fname, "libGLX_mesa")))
            return true;
    }
    return false;
}

void contar() {
    if (midiendo && !delControlador()) reservas++;
}
}  // namespace

void* operator new(std::size_t n) {
    contar();
    if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    contar();
    if (fallarTras == 0) return nullptr;
    if (fallarTras > 0) fallarTras--;
    return std::malloc(n == 0 ? 1 : n);
}
void* operator new[](std::size_t n, const std::nothrow_t& t) noexcept { return operator new(n, t); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

// Reservas hechas en n pasos, con su cuadro dibujado o sin él (dibujar es lo lento).
long cuadros(Juego& juego, int n, bool dibujar = true) {
    reservas = 0;
    midiendo = true;
    for (int i = 0; i < n; i++) {
        juego.actualizar(0.25f / 29);
        if (dibujar) juego.dibujar();
    }
    midiendo = false;
    return reservas;
}

}  // namespace

TEST(Asignaciones, NingunaReservaPorCuadro) {
    Juego& juego = Ayudas::juego();
    CargadorNivel cargador;
    cargador.cargarNivel(juego, "resources/pantalla1.txt");
    ASSERT_GT(juego.getPiezas().size(), 10u);
    cuadros(juego, 3);
    EXPECT_EQ(cuadros(juego, 60), 0);

    // En cada modo de dibujo y con la página de ajustes abierta, lo mismo.
    for (SDLKey t : {SDLK_h, SDLK_j, SDLK_k}) {
        Ayudas::pulsar(juego, t);
        EXPECT_EQ(cuadros(juego, 10), 0) << t;
    }
    Interfaz::getInstance()->click(700, 600 - 255);
    ASSERT_TRUE(Interfaz::getInstance()->getPaginaAjustes().isVisible());
    EXPECT_EQ(cuadros(juego, 10), 0);
}

TEST(Asignaciones, TirosEnterosYFuegosSinReservas) {
    Ayudas::Carpeta carpeta(true);
    // Sin blancos: cada tiro despeja su nivel y el tercero gana.
    carpeta.escribir("resources/pantalla1.txt", "4\n9 10 1\n8.5 6 1\n10 4 2\n4 8 3\n");
    carpeta.escribir("resources/pantalla2.txt", "0\n");
    carpeta.escribir("resources/pantalla3.txt", "0\n");
    carpeta.enlazarRecursos();
    Juego& juego = Ayudas::juego();
    CargadorNivel().cargarNivel(juego, "resources/pantalla1.txt");
    cuadros(juego, 3);
    SDL_Event e = {};
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = e.button.y = 100;
    for (int tiro = 0; tiro < 3; tiro++) {
        e.type = SDL_MOUSEBUTTONDOWN;
        juego.manejarEvento(&e);
        e.type = SDL_MOUSEBUTTONUP;
        juego.manejarEvento(&e);
        ASSERT_EQ(juego.getEstado(), Juego::EN_VUELO);
        // Sólo el paso que termina el tiro reserva: la bola nueva y el nivel.
        long enVuelo = 0, pasos = 0;
        while (juego.getPelotitas().front()->getY() > 0.0f) {
            enVuelo += cuadros(juego, 1, tiro == 0);
            pasos++;
        }
        EXPECT_EQ(enVuelo, 0) << "tiro " << tiro;
        EXPECT_GT(pasos, 20);
        cuadros(juego, 1, false);
        EXPECT_EQ(juego.getEstado(), Juego::LISTO);
    }
    ASSERT_TRUE(juego.isFuegosActivos());
    // La primera tanda de cada fuego reserva sus chispas; después se reusan.
    cuadros(juego, 45, false);
    EXPECT_EQ(cuadros(juego, 45, false), 0);
    cuadros(juego, 1);
    EXPECT_EQ(cuadros(juego, 3), 0);
}

TEST(Asignaciones, LasParticulasSeReservanUnaSolaVez) {
    SistemaParticulas s;
    s.setMaxParticulas(10);
    s.setCantidadPorTanda(10);
    s.setIntervalo(0.25f);
    s.setVida(0.5f);
    // Sin memoria para la cuarta: quedan las tres ya sueltas.
    fallarTras = 3;
    EXPECT_EQ(s.actualizar(0.5f), 0x8007000Eu);
    EXPECT_EQ(s.getCantidadActivas(), 3u);
    fallarTras = -1;
    reservas = 0;
    midiendo = true;
    EXPECT_EQ(s.actualizar(0.5f), 0u);
    midiendo = false;
    EXPECT_EQ(reservas, 7);
    EXPECT_EQ(s.getCantidadActivas(), 10u);
    reservas = 0;
    midiendo = true;
    for (int i = 0; i < 100; i++) s.actualizar(0.5f);
    midiendo = false;
    EXPECT_EQ(reservas, 0);
    EXPECT_EQ(s.getCantidadActivas(), 10u);
}
