#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <thread>

#include "Comparacion.h"
#include "ServidorX.h"
#include "Sesion.h"

TEST(Arranque, ConLaSdlPedidaYEnUnServidorQueSeReinicia) {
    // Sin -noreset el servidor se reinicia cada vez que se va su último
    // cliente; mientras el juego arranca, otros van y vienen.
    ServidorX reiniciable(1024, 768, true);
    Carpeta carpeta;
    carpeta.enlazarRecursos();
    for (int vez = 0; vez < 4; vez++) {
        ProcesoJuego juego(carpeta.ruta());
        for (auto fin = std::chrono::steady_clock::now() + std::chrono::seconds(1); std::chrono::steady_clock::now() < fin;) {
            if (Display* d = XOpenDisplay(nullptr)) XCloseDisplay(d);
            std::this_thread::sleep_for(std::chrono::milliseconds(3));
        }
        EscritorioX x;
        const Window dialogo = x.esperarVentana("Pantalla Completa");
        ASSERT_NE(dialogo, 0u) << vez << ": " << juego.error();
        x.tocarTecla(dialogo, "n");
        const Window ventana = x.esperarVentana("Vorlix Quintar");
        ASSERT_NE(ventana, 0u) << vez << ": " << juego.error();
        // El juego carga la SDL 1.2 pedida: la del sistema o la de compatibilidad.
        const std::string mapas = leer("/proc/" + std::to_string(juego.getPid()) + "/maps");
        EXPECT_EQ(mapas.find("sdl12-compat") != std::string::npos, std::getenv("VQ_BIBLIOTECAS_SDL") != nullptr);
        x.tocarTecla(ventana, "q");
        EXPECT_EQ(juego.esperarFin(), 0) << vez;
    }
}

TEST(Arranque, CtrlCYKillLoTerminanEnCualquierMomento) {
    {
        Sesion pregunta({}, false);
        ASSERT_NE(pregunta.dialogo, 0u);
        pregunta.juego->senal(SIGINT);
        EXPECT_EQ(pregunta.juego->esperarFin(), 128 + SIGINT);
    }
    Sesion s;
    ASSERT_NE(s.ventana, 0u);
    s.x.tocarTecla(s.ventana, "4");
    ASSERT_TRUE(s.juego->esperarSalida("Ingrese los valores RGBA de la nueva luz ambiental: "));
    s.juego->senal(SIGTERM);
    EXPECT_EQ(s.juego->esperarFin(), 128 + SIGTERM);
    // Jugando, Ctrl+C cierra el juego como la ventana: estado 0.
    Sesion t;
    ASSERT_NE(t.ventana, 0u);
    t.juego->senal(SIGINT);
    EXPECT_EQ(t.juego->esperarFin(), 0);
}

TEST(Arranque, ArchivosRotosAjenosOQueFaltan) {
    {
        // Sin la imagen del tablero termina, nombrándola, con estado 0.
        Sesion s(Sesion::Recursos{{"pantalla1.bmp", "no es un bitmap"}});
        EXPECT_EQ(s.juego->esperarFin(), 0);
        EXPECT_EQ(s.juego->error(), "No se puede cargar el bitmap: resources/pantalla1.bmp\n");
    }
    {
        // Un modelo cortado y su textura rota: se avisa y el juego sigue.
        const std::string modelo = leer(RAIZ_REPOSITORIO "/resources/hyperb.3ds");
        Sesion s({{"hyperb.3ds", modelo.substr(0, modelo.size() / 3)}, {"hyperb.bmp", std::string(60, 7)}});
        const Window aviso = s.x.esperarVentana("Error");
        ASSERT_NE(aviso, 0u) << s.juego->error();
        s.x.tocarTecla(aviso, "Return");
        ASSERT_NE(s.x.esperarVentana("Vorlix Quintar"), 0u);
        EXPECT_EQ(s.juego->error(), "Unknown DIB file format.\n");
        EXPECT_EQ(s.juego->esperarFin(1), -1);
    }
    // Una caja roja de 2 x 2 unidades alrededor del pivote, exportada por assimp.
    Carpeta obj;
    obj.escribir("c.obj", "mtllib c.mtl\nusemtl R\nv -12.5 -12.5 13\nv 12.5 -12.5 13\nv 12.5 12.5 13\n"
                          "v -12.5 12.5 13\nv -12.5 -12.5 24\nv 12.5 -12.5 24\nv 12.5 12.5 24\nv -12.5 12.5 24\n"
                          "f 1 2 3 4\nf 5 6 7 8\nf 1 2 6 5\nf 2 3 7 6\nf 3 4 8 7\nf 4 1 5 8\n");
    obj.escribir("c.mtl", "newmtl R\nKd 1 0 0\n");
    ASSERT_EQ(std::system(("cd " + obj.ruta() + " && assimp export c.obj c.3ds > /dev/null").c_str()), 0);
    Sesion s(Sesion::Recursos{{"hyperb.3ds", leer(obj.ruta() + "/c.3ds")}});
    ASSERT_NE(s.ventana, 0u);
    s.esperar([](const EscritorioX::Captura& c) {
        int rojos = 0;
        for (double bx = 8.4; bx <= 9.6; bx += 0.2)
            for (double by = 14.4; by <= 15.6; by += 0.2) {
                double vx, vy;
                proyectarCamaraInicial(bx, by, 0.9, vx, vy);
                rojos += parecidos(c.desdeAbajo(int(vx), int(vy)), {255, 0, 0}, 40);
            }
        EXPECT_GT(rojos, 36 * 3 / 4);
    });
}
