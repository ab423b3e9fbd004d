#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>

#include "Ayudas.h"
#include "core/Canion.h"
#include "core/Grabacion.h"
#include "core/Juego.h"
#include "core/Oido.h"
#include "core/Sonido.h"
#include "playfield/Plataforma.h"
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

TEST(Asignaciones, NadaPorCuadroNiDuranteUnTiroNiConFuegosNiConSonido) {
    Carpeta carpeta(true);
    // Sin blancos: cada tiro despeja su nivel y el tercero gana; sólo reserva el paso que termina el tiro.
    Juego& juego = Ayudas::juegoConNiveles(carpeta, "4\n9 10 1\n8.5 6 1\n10 4 2\n4 8 3\n", "0\n", "0\n");
    Sonido sonido;  // abierto (en el controlador mudo de SDL), oye cada paso
    Oido oido(sonido);
    oido.empezar(juego);
    ASSERT_TRUE(sonido.isAbierto());
    // n pasos con su cuadro tras uno sin contar: Mesa reserva al compilar cada estado que ve por vez primera.
    const auto pasos = [&](int n) {
        juego.dibujar();
        for (reservas = 0; n > 0; n--) {
            juego.actualizar(Ayudas::PASO);
            oido.escuchar(juego);
            juego.dibujar();
        }
        return reservas.exchange(-1);
    };
    // El primer tiro toca piezas, el segundo (a 35 grados con el aro cerca de su extremo derecho) cae en
    // su boca y el tercero gana.
    for (SDLKey modo : {SDLK_l, SDLK_h, SDLK_j}) {
        Ayudas::pulsar(juego, modo);
        for (float f = 0; modo == SDLK_h && (f < 0.43f || f > 0.45f); f = std::fmod(juego.getPlataforma().getFase(), float(M_PI / 4)))
            juego.actualizar(Ayudas::PASO);
        juego.getCanion().rotar((modo == SDLK_h ? 35 : 0) - juego.getCanion().getAngulo());
        Ayudas::clic(juego);
        while (juego.getEstado() == Juego::EN_VUELO && pasos(1) == 0) {}
        EXPECT_TRUE(modo != SDLK_l || Interfaz::getInstance()->getPuntos() > 0);
        EXPECT_TRUE(modo != SDLK_h || juego.getPelotitasRestantes() > 18);
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
