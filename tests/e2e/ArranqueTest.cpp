#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include <chrono>
#include <csignal>
#include <thread>

#include "Comparacion.h"
#include "EscritorioX.h"
#include "MapaBits.h"
#include "ProcesoJuego.h"
#include "ServidorX.h"
#include "Sesion.h"

namespace {

// El juego corre con la SDL 1.2 que se pidió: la del sistema o la de
// compatibilidad sobre SDL 2 (pruebas con el prefijo SdlCompatible).
bool usaLaSdlPedida(pid_t pid) {
    std::ifstream mapas("/proc/" + std::to_string(pid) + "/maps");
    const std::string todo((std::istreambuf_iterator<char>(mapas)), std::istreambuf_iterator<char>());
    const char* pedida = std::getenv("VQ_BIBLIOTECAS_SDL");
    return todo.find("libSDL-1.2.so") != std::string::npos &&
           (todo.find("sdl12-compat") != std::string::npos) == (pedida != nullptr);
}

}  // namespace

TEST(Arranque, SeJuegaEnVentanaYSeSaleConQ) {
    Sesion s;
    ASSERT_NE(s.dialogo, 0u) << s.juego.error();
    ASSERT_NE(s.ventana, 0u) << s.juego.error();
    EscritorioX& x = s.x;
    ProcesoJuego& juego = s.juego;
    const Window ventana = s.ventana;
    EXPECT_TRUE(usaLaSdlPedida(juego.getPid()));
    EXPECT_TRUE(juego.esperarSalida("Frecuencia de proceso: ", 10)) << juego.salida();

    EscritorioX::Captura captura = s.mirar();
    ASSERT_EQ(captura.ancho, 800);
    ASSERT_EQ(captura.alto, 600);
    const MapaBits imagen(std::string(RAIZ_REPOSITORIO) + "/resources/pantalla1.bmp");
    const double coincide = coincidenciaTablero(captura, imagen);
    EXPECT_GT(coincide, 0.85);
    EXPECT_LT(coincidenciaTablero(captura, imagen, true), coincide - 0.3);

    x.tocarTecla(ventana, "h");
    EXPECT_TRUE(juego.esperarSalida("Wireframe\n", 5)) << juego.salida();
    x.tocarTecla(ventana, "KP_Add");
    EXPECT_TRUE(juego.esperarSalida("Velocidad actual: 1.250000x\n", 5)) << juego.salida();
    // En alambre ya no se ve la imagen del tablero.
    EXPECT_LT(coincidenciaTablero(x.capturar(ventana), imagen), 0.5);

    // Pulsar "q" no hace nada; soltarla termina con estado 0.
    x.pulsarTecla(ventana, "q");
    EXPECT_EQ(juego.esperarFin(0.5), -1);
    x.soltarTecla(ventana, "q");
    EXPECT_EQ(juego.esperarFin(10), 0);
    EXPECT_EQ(juego.error(), "");
}

TEST(Arranque, SinLaImagenDelTableroTerminaConEstadoCero) {
    char plantilla[] = "/tmp/vq-vacioXXXXXX";
    ASSERT_NE(mkdtemp(plantilla), nullptr);
    EscritorioX x;
    ProcesoJuego juego(plantilla);
    Window dialogo = x.esperarVentana("Pantalla Completa", 15);
    ASSERT_NE(dialogo, 0u);
    x.tocarTecla(dialogo, "n");
    EXPECT_EQ(juego.esperarFin(15), 0);
    EXPECT_EQ(juego.error(), "No se puede cargar el bitmap: resources/pantalla1.bmp\n");
    rmdir(plantilla);
}

TEST(Arranque, ArrancaSiempreEnUnServidorQueSeReinicia) {
    // Sin -noreset el servidor se reinicia cada vez que se va su último
    // cliente. Mientras el juego arranca, otros clientes van y vienen (como
    // los de un escritorio que recién empieza) y provocan reinicios.
    ServidorX reiniciable(1024, 768, true);
    for (int vez = 0; vez < 4; vez++) {
        ProcesoJuego juego(RAIZ_REPOSITORIO);
        const auto fin = std::chrono::steady_clock::now() + std::chrono::milliseconds(1000);
        while (std::chrono::steady_clock::now() < fin) {
            if (Display* d = XOpenDisplay(nullptr)) XCloseDisplay(d);
            std::this_thread::sleep_for(std::chrono::milliseconds(3));
        }
        EscritorioX x;
        const Window dialogo = x.esperarVentana("Pantalla Completa", 15);
        ASSERT_NE(dialogo, 0u) << "vez " << vez << ": " << juego.error();
        x.tocarTecla(dialogo, "n");
        const Window ventana = x.esperarVentana("Vorlix Quintar", 15);
        ASSERT_NE(ventana, 0u) << "vez " << vez << ": " << juego.error();
        x.tocarTecla(ventana, "q");
        EXPECT_EQ(juego.esperarFin(10), 0) << "vez " << vez;
        EXPECT_EQ(juego.error(), "");
    }
}

TEST(Arranque, CtrlCYKillLoTerminanEnCualquierMomento) {
    {
        EscritorioX x;
        ProcesoJuego juego(RAIZ_REPOSITORIO);
        ASSERT_NE(x.esperarVentana("Pantalla Completa", 15), 0u);
        juego.senal(SIGINT);
        EXPECT_EQ(juego.esperarFin(5), 128 + SIGINT);
    }
    Sesion s;
    ASSERT_NE(s.ventana, 0u);
    s.x.tocarTecla(s.ventana, "4");
    ASSERT_TRUE(s.juego.esperarSalida("Ingrese los valores RGBA de la nueva luz ambiental: ", 5));
    s.juego.senal(SIGTERM);
    EXPECT_EQ(s.juego.esperarFin(5), 128 + SIGTERM);
    // Jugando, Ctrl+C cierra el juego como la ventana: estado 0.
    Sesion t;
    ASSERT_NE(t.ventana, 0u);
    t.juego.senal(SIGINT);
    EXPECT_EQ(t.juego.esperarFin(5), 0);
}
