#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "Ayudas.h"
#include "core/Grabacion.h"
#include "core/Juego.h"
#include "particles/SistemaParticulas.h"
#include "screens/Interfaz.h"

#pragma GCC diagnostic ignored "-Wmismatched-new-delete"  // reservan con malloc y liberan con free
static std::atomic<long> reservas{-1};    // las de C++, también de arreglo; -1 mientras no se mide
static std::atomic<long> fallarTras{-1};  // las reservas que salen bien antes de una que falla; -1: todas

void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    if (reservas >= 0) reservas++;
    return fallarTras-- == 0 ? nullptr : std::malloc(n);
}
void* operator new(std::size_t n) {
    if (void* p = operator new(n, std::nothrow)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

TEST(Asignaciones, NadaPorCuadroNiDuranteUnTiroNiConFuegos) {
    Carpeta carpeta(true);
    // Sin blancos: cada tiro despeja su nivel y el tercero gana; sólo reserva el paso que termina el tiro.
    Juego& juego = Ayudas::juegoConNiveles(carpeta, "4\n9 10 1\n8.5 6 1\n10 4 2\n4 8 3\n", "0\n", "0\n");
    // n pasos con su cuadro tras uno sin contar: Mesa reserva al compilar cada estado que ve por vez primera.
    const auto pasos = [&juego](int n) {
        juego.dibujar();
        for (reservas = 0; n > 0; n--) {
            juego.actualizar(Ayudas::PASO);
            juego.dibujar();
        }
        return reservas.exchange(-1);
    };
    for (SDLKey modo : {SDLK_l, SDLK_h, SDLK_j}) {
        Ayudas::pulsar(juego, modo);
        Ayudas::clic(juego);
        while (juego.getEstado() == Juego::EN_VUELO && pasos(1) == 0) {}
    }
    // Ganado: la primera tanda de cada fuego reserva sus chispas; después se reusan, con ajustes abiertos.
    Ayudas::pulsar(juego, SDLK_k);
    pasos(45);
    ASSERT_TRUE(Interfaz::getInstance()->click(700, 345) && juego.isFuegosActivos());
    EXPECT_EQ(pasos(45), 0);
}

TEST(Asignaciones, GrabarNoReservaEnNingunCuadro) {
    Carpeta carpeta;
    Grabacion g;
    std::string error;
    ASSERT_TRUE(g.abrir(carpeta.ruta() + "/p.txt", error));
    const float valores[4] = {1, 2, 3, 4};
    reservas = 0;
    for (int i = 0; i < 5000; i++) {
        g.evento(Ayudas::movimiento(-7));
        g.consola(valores, 4);
        g.vuelta();
        g.cuadro(34567890 + i);
    }
    g.terminar();
    EXPECT_EQ(reservas.exchange(-1), 0);
    EXPECT_EQ(leer(carpeta.ruta() + "/p.txt").size(), 5000u * 45 + 4);  // cada cuadro, sus 45 bytes; y "fin"
}

TEST(Asignaciones, SinMemoriaQuedanLasYaSueltasYDespuesSeReusan) {
    SistemaParticulas s;
    s.setMaxParticulas(10);
    s.setCantidadPorTanda(10);
    fallarTras = 3;  // sin memoria para la cuarta: quedan las tres ya sueltas
    EXPECT_TRUE(s.actualizar(1.5f) == SistemaParticulas::SIN_MEMORIA && s.getCantidadActivas() == 3u);
    reservas = 0;  // con la vida y el intervalo de 1 s, cada paso mata una tanda y suelta otra
    for (int i = 0; i < 100; i++) s.actualizar(1.5f);
    EXPECT_EQ(reservas.exchange(-1), 7);
}
