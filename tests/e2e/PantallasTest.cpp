#include <gtest/gtest.h>

#include <string>

#include "Comparacion.h"
#include "MapaBits.h"
#include "Proyeccion.h"
#include "Sesion.h"

namespace {

MapaBits recurso(const char* nombre) {
    return MapaBits(std::string(RAIZ_REPOSITORIO) + "/resources/" + nombre);
}

// La franja de abajo de la ventana, donde oscila el atrapador, debajo de las páginas.
bool mismaFranjaDeAbajo(const EscritorioX::Captura& a, const EscritorioX::Captura& b) {
    for (int y = 0; y < 55; y++) {
        for (int x = 0; x < 640; x++) {
            const EscritorioX::Color p = a.desdeAbajo(x, y), q = b.desdeAbajo(x, y);
            if (p.r != q.r || p.g != q.g || p.b != q.b) return false;
        }
    }
    return true;
}

// Ningún azul de bola en el tablero por debajo del cañón: la bola no salió.
bool bolaSinDisparar(const EscritorioX::Captura& c) {
    double x, yCanion;
    proyectarCamaraInicial(9, 12.3, 0.5, x, yCanion);
    for (int x = 40; x < 600; x++) {
        for (int y = 40; y < static_cast<int>(yCanion); y++) {
            const EscritorioX::Color p = c.desdeAbajo(x, y);
            if (p.b > 150 && p.r < 60 && p.g < 60) return false;
        }
    }
    return true;
}

}  // namespace

TEST(Pantallas, PanelAyudaYAjustesComoLosVeUnJugador) {
    Sesion s;
    ASSERT_NE(s.ventana, 0u) << s.juego.error();
    const MapaBits menu = recurso("menu.bmp"), ayuda = recurso("ayuda.bmp"),
                   ajustes = recurso("configuracion.bmp"), salir = recurso("salir_button.bmp"),
                   tablero = recurso("pantalla1.bmp");

    EscritorioX::Captura c = s.mirar();
    EXPECT_GT(coincidenciaRectangulo(c, menu, 640, 0), 0.8);
    EXPECT_GT(coincidenciaRectangulo(c, recurso("ayuda_button.bmp"), 645, 300), 0.95);
    EXPECT_GT(coincidenciaRectangulo(c, recurso("Ajustes.bmp"), 645, 240), 0.95);
    EXPECT_TRUE(bolaSinDisparar(c));
    // Sin página abierta el atrapador se mueve.
    EXPECT_FALSE(mismaFranjaDeAbajo(c, s.mirar()));

    // La ayuda tapa el panel, trae su botón para volver y pausa el juego.
    s.x.clic(s.ventana, 700, 282);
    c = s.mirar();
    EXPECT_GT(coincidenciaRectangulo(c, ayuda, 80, 60), 0.85);
    EXPECT_GT(coincidenciaRectangulo(c, salir, 550, 420), 0.95);
    EXPECT_LT(coincidenciaRectangulo(c, menu, 640, 0), 0.3);
    EXPECT_TRUE(mismaFranjaDeAbajo(c, s.mirar()));
    s.x.clic(s.ventana, 600, 160);
    c = s.mirar();
    EXPECT_LT(coincidenciaRectangulo(c, ayuda, 80, 60), 0.3);
    EXPECT_GT(coincidenciaRectangulo(c, menu, 640, 0), 0.8);
    EXPECT_FALSE(mismaFranjaDeAbajo(c, s.mirar()));
    EXPECT_GT(coincidenciaTablero(c, tablero), 0.85);

    // Ajustes: la cuarta velocidad y el modo de alambre.
    s.x.clic(s.ventana, 700, 345);
    c = s.mirar();
    EXPECT_GT(coincidenciaRectangulo(c, ajustes, 80, 60), 0.8);
    s.x.clic(s.ventana, 656 + 6, 600 - 88 - 7);
    EXPECT_TRUE(s.juego.esperarSalida("Velocidad actual: 4.000000x\n", 5)) << s.juego.salida();
    s.x.clic(s.ventana, 350 + 6, 600 - 378 - 7);
    s.x.clic(s.ventana, 600, 160);
    c = s.mirar();
    EXPECT_LT(coincidenciaTablero(c, tablero), 0.5);
    EXPECT_GT(coincidenciaRectangulo(c, menu, 640, 0), 0.8);

    // Ningún clic sobre las imágenes disparó: la bola sigue en el cañón.
    EXPECT_TRUE(bolaSinDisparar(c));
    // Escape al pulsarse ya termina el bucle.
    s.x.pulsarTecla(s.ventana, "Escape");
    EXPECT_EQ(s.juego.esperarFin(10), 0);
    EXPECT_EQ(s.juego.salida().find("Entro!"), std::string::npos);
}
