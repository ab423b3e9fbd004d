#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "CarpetaJuego.h"
#include "Comparacion.h"
#include "MapaBits.h"
#include "Proyeccion.h"
#include "Sesion.h"

namespace {

MapaBits recurso(const char* nombre) {
    return MapaBits(std::string(RAIZ_REPOSITORIO) + "/resources/" + nombre);
}

struct Panel {
    int puntos, bolas, nivel;
};

Panel leerPanel(const EscritorioX::Captura& c) {
    return {leerContador(c, 690, 530), leerContador(c, 670, 420), leerContador(c, 750, 420)};
}

// Cada vez que el aro retiene la bola el juego lo dice y suma una bola.
int atrapadas(Sesion& s) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const std::string salida = s.juego.salida();
    int n = 0;
    for (size_t i = salida.find("Entro!"); i != std::string::npos; i = salida.find("Entro!", i + 1)) n++;
    return n;
}

// Captura hasta que se cumpla la condición o pase el tiempo.
EscritorioX::Captura esperar(Sesion& s, const std::function<bool(const EscritorioX::Captura&)>& listo,
                             double segundos) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::duration<double>(segundos);
    EscritorioX::Captura c = s.x.capturar(s.ventana);
    while (!listo(c) && std::chrono::steady_clock::now() < limite) {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        c = s.x.capturar(s.ventana);
    }
    return c;
}

// Píxeles de la bola (azul puro) sobre el tablero, a un lado u otro del cañón.
int bolaDeUnLado(const EscritorioX::Captura& c, bool izquierda) {
    double centro, y;
    proyectarCamaraInicial(9, 0, 0, centro, y);
    int azules = 0;
    for (int x = 30; x < 610; x++) {
        if ((x < centro) != izquierda) continue;
        for (int y = 40; y < 470; y++) {
            const EscritorioX::Color p = c.desdeAbajo(x, y);
            azules += p.b > 150 && p.r < 60 && p.g < 60;
        }
    }
    return azules;
}

// Píxeles del tablero que cambian entre dos capturas, fuera del cartel, del
// cañón y de la franja del aro: con fuegos, las chispas; sin ellos, nada.
int cambiantes(const EscritorioX::Captura& a, const EscritorioX::Captura& b) {
    int n = 0;
    for (int x = 30; x < 610; x++) {
        for (int y = 60; y < 460; y++) {
            if (x >= 150 && x < 650 && y >= 220 && y < 380) continue;
            const EscritorioX::Color p = a.desdeAbajo(x, y), q = b.desdeAbajo(x, y);
            n += !parecidos(p, {q.r, q.g, q.b}, 30);
        }
    }
    return n;
}

// Apunta a fondo a la izquierda (el cañón sigue girando hasta −80) y dispara.
void disparar(Sesion& s) {
    s.x.moverA(s.ventana, 5, 300);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    s.x.clic(s.ventana, 5, 300);
}

}  // namespace

TEST(Partida, UnJugadorPasaLosTresNivelesYVuelveAEmpezar) {
    // Un blanco en el camino de un tiro a −80 grados; el 2 y el 3 sin piezas.
    CarpetaJuego carpeta({{"pantalla1.txt", "2\n3.1 12.95 0\n14 4 1\n"},
                          {"pantalla2.txt", "0\n"},
                          {"pantalla3.txt", "0\n"}});
    Sesion s({}, carpeta.getRuta());
    ASSERT_NE(s.ventana, 0u) << s.juego.error();
    EscritorioX::Captura c = s.mirar();
    Panel p = leerPanel(c);
    EXPECT_EQ(p.puntos, 0);
    EXPECT_EQ(p.bolas, 20);
    EXPECT_EQ(p.nivel, 1);

    // El tiro sale hacia donde apunta el cañón, toca el blanco y el nivel 2
    // aparece cuando la bola sale por abajo.
    // (La bola sale del caño unos 0,3 s después del clic.)
    disparar(s);
    c = esperar(s, [](const EscritorioX::Captura& c) { return bolaDeUnLado(c, true) > 10; }, 1.5);
    EXPECT_GT(bolaDeUnLado(c, true), 10);
    EXPECT_EQ(bolaDeUnLado(c, false), 0);
    c = esperar(s, [](const EscritorioX::Captura& c) { return leerPanel(c).nivel == 2; }, 20);
    p = leerPanel(c);
    EXPECT_EQ(p.nivel, 2);
    EXPECT_EQ(p.bolas, 19 + atrapadas(s));
    EXPECT_GE(p.puntos, 200);
    EXPECT_GT(coincidenciaTablero(c, recurso("pantalla2.bmp")), 0.8);
    EXPECT_EQ(bolaDeUnLado(c, true) + bolaDeUnLado(c, false), 0);

    // Una bola nueva espera: el próximo tiro sale y despeja el nivel vacío.
    disparar(s);
    c = esperar(s, [](const EscritorioX::Captura& c) { return bolaDeUnLado(c, true) > 10; }, 1.5);
    EXPECT_GT(bolaDeUnLado(c, true), 10);
    c = esperar(s, [](const EscritorioX::Captura& c) { return leerPanel(c).nivel == 3; }, 20);
    EXPECT_EQ(leerPanel(c).bolas, 18 + atrapadas(s));
    EXPECT_GT(coincidenciaTablero(c, recurso("pantalla3.bmp")), 0.8);

    // Despejar el 3 es ganar: cartel, fuegos, nivel 1 y 20 bolas.
    disparar(s);
    const MapaBits ganar = recurso("ganar.bmp");
    c = esperar(s, [&](const EscritorioX::Captura& c) { return coincidenciaRectangulo(c, ganar, 150, 220) > 0.9; }, 20);
    EXPECT_GT(coincidenciaRectangulo(c, ganar, 150, 220), 0.9);
    EXPECT_GT(cambiantes(c, s.mirar()), 100);
    p = leerPanel(c);
    EXPECT_EQ(p.nivel, 1);
    EXPECT_EQ(p.bolas, 20);
    EXPECT_EQ(p.puntos, 0);
    EXPECT_GT(coincidenciaTablero(c, recurso("pantalla1.bmp")), 0.6);
    // Un clic en el cartel lo quita y apaga los fuegos, sin disparar.
    s.x.clic(s.ventana, 400, 300);
    c = s.mirar();
    EXPECT_LT(coincidenciaRectangulo(c, ganar, 150, 220), 0.3);
    EXPECT_EQ(cambiantes(c, s.mirar()), 0);
    EXPECT_EQ(leerPanel(c).bolas, 20);

    // La ayuda pausa: el aro de abajo se queda quieto hasta volver.
    s.x.clic(s.ventana, 700, 282);
    EXPECT_TRUE(mismasFilas(s.mirar(), s.mirar(), 0, 55));
    s.x.clic(s.ventana, 600, 160);
    EXPECT_FALSE(mismasFilas(s.mirar(), s.mirar(), 0, 55));

    // El 7 pide la posición de la luz en la consola: el juego espera quieto
    // hasta que se la escribe y sigue.
    s.x.tocarTecla(s.ventana, "7");
    EXPECT_TRUE(s.juego.esperarSalida("Ingrese los valores x y z de la nueva posicion de luz difusa: ", 5));
    EXPECT_TRUE(mismasFilas(s.mirar(), s.mirar(), 0, 55));
    s.juego.escribirEntrada("18 15 7\n");
    EXPECT_FALSE(mismasFilas(s.mirar(), s.mirar(), 0, 55));
    s.x.tocarTecla(s.ventana, "q");
    EXPECT_EQ(s.juego.esperarFin(10), 0);
    EXPECT_EQ(s.juego.error(), "");
}
