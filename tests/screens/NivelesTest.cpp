#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "Ayudas.h"
#include "core/Juego.h"
#include "playfield/Pieza.h"
#include "playfield/Rectangulo.h"
#include "screens/Interfaz.h"
#include "screens/Niveles.h"

namespace {

struct Primera {
    int cantidad;
    float x, y;
};

Primera leerArchivo(int nivel) {
    const std::string nombre = "resources/pantalla" + std::to_string(nivel) + ".txt";
    std::ifstream archivo(nombre);
    Primera p = {0, 0, 0};
    archivo >> p.cantidad >> p.x >> p.y;
    return p;
}

}  // namespace

TEST(Niveles, LaSecuenciaCargaDosTresYUno) {
    Juego& juego = Ayudas::juego();
    Niveles* niveles = Niveles::getInstance();
    EXPECT_EQ(niveles->getNivel(), 1);
    unsigned int textura = juego.getTablero().getTextura();
    size_t antes = juego.getPiezas().size();
    for (int esperado : {2, 3, 1}) {
        niveles->siguienteNivel();
        EXPECT_EQ(niveles->getNivel(), esperado);
        EXPECT_EQ(Interfaz::getInstance()->getNivel(), esperado);
        EXPECT_NE(juego.getTablero().getTextura(), textura) << esperado;
        textura = juego.getTablero().getTextura();
        const Primera archivo = leerArchivo(esperado);
        ASSERT_EQ(juego.getPiezas().size(), antes + archivo.cantidad) << esperado;
        EXPECT_FLOAT_EQ(juego.getPiezas()[antes]->getX(), archivo.x);
        EXPECT_FLOAT_EQ(juego.getPiezas()[antes]->getY(), archivo.y);
        antes = juego.getPiezas().size();
    }
}

TEST(NivelesMuerte, LaImagenSeCargaAntesQueLasPiezas) {
    Ayudas::Carpeta carpeta(true);
    for (const char* r : {"pantalla1.bmp", "ganar.bmp", "perder.bmp", "ayuda_button.bmp",
                          "Ajustes.bmp", "configuracion.bmp", "ayuda.bmp", "salir_button.bmp",
                          "menu.bmp", "tick.bmp", "hyperb.3ds", "hyperb.bmp", "particle.bmp"}) {
        carpeta.enlazarRecurso(r);
    }
    // Sin la imagen del nivel 2 y con su texto roto: si se leyera el texto
    // primero, se vería su aviso antes de terminar.
    carpeta.escribir("resources/pantalla2.txt", "3\n1 1 x\n");
    Ayudas::juego();
    EXPECT_EXIT(Niveles::getInstance()->siguienteNivel(), testing::ExitedWithCode(0),
                "^No se puede cargar el bitmap: resources/pantalla2\\.bmp\n$");
}
