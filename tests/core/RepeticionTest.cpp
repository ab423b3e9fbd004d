#include <gtest/gtest.h>

#include <string>

#include "Ayudas.h"
#include "core/Grabacion.h"
#include "core/Repeticion.h"

namespace {

const std::string ENCABEZADO = "vorlix-quintar grabacion 1\nfrecuencia 1000\npantalla no\nsemilla 7\n";

// Recorre la partida como el bucle: por vuelta, sus eventos (tipo y dato) y "c" con el intervalo o "-".
std::string recorrer(Repeticion& r) {
    std::string t;
    SDL_Event e;
    float v[4];
    int64_t pulsos;
    for (int vueltas = 0; !r.isTerminada() && vueltas < 100; vueltas++) {
        while (r.siguienteEvento(e)) {
            const bool tecla = e.type == SDL_KEYDOWN || e.type == SDL_KEYUP;
            const int dato = e.type == SDL_MOUSEMOTION ? e.motion.xrel : e.type == SDL_MOUSEBUTTONUP ? e.button.x : tecla ? int(e.key.keysym.sym) : 0;
            t += std::to_string(e.type) + ":" + std::to_string(dato) + " ";
            if (r.siguienteConsola(v, 4)) t += "consola " + std::to_string(v[1]) + " ";
        }
        t += r.terminarVuelta(pulsos) ? "c" + std::to_string(pulsos) : "-";
        while (const char* m = r.siguienteMarca()) t += std::string(" ") + m;
        t += "|";
    }
    return t;
}

}  // namespace

TEST(Repeticion, LoQueSeGrabaSeLeeVueltaPorVuelta) {
    Carpeta carpeta;
    Grabacion g;
    std::string error;
    ASSERT_TRUE(g.abrir(carpeta.ruta() + "/p.txt", error));
    g.encabezado(1000), g.pantalla(false), g.semilla(7);
    const float luz[4] = {1, 0.5f, 0.1f, 3.4e38f};
    g.evento(Ayudas::tecla(SDLK_4)), g.consola(luz, 4), g.vuelta(), g.vuelta();
    g.evento(Ayudas::movimiento(-7, 3)), g.vuelta(), g.cuadro(40);
    SDL_Event boton = {}, otro = {};
    boton.type = SDL_MOUSEBUTTONUP, boton.button.button = 1, boton.button.x = 400, boton.button.y = 300;
    otro.type = SDL_ACTIVEEVENT;
    g.evento(boton), g.evento(otro), g.cuadro(35);
    g.evento(Ayudas::tecla(SDLK_q, false)), g.terminar();
    const std::string cuerpo = "tecla-abajo 52\nconsola 1 0.5 0.100000001 3.39999995e+38\nvueltas 2\nmueve -7 3\n"
                               "cuadro 40 1\nboton-arriba 1 400 300\notro 1\ncuadro 35\n";
    const std::string texto = leer(carpeta.ruta() + "/p.txt");
    ASSERT_EQ(texto, ENCABEZADO + cuerpo + "tecla-arriba 113\nfin\n");
    Repeticion r;
    ASSERT_TRUE(r.leer(texto.data(), texto.size(), "p", error)) << error;
    EXPECT_TRUE(r.isCompleta() && r.getSemilla() == 7 && !r.isPantallaCompleta() && r.getCuadros() == 2);
    EXPECT_EQ(recorrer(r), "2:52 consola 0.500000 -|-|4:-7 -|c40|6:400 1:0 c35|3:113 -|");
    // Cortada sin "fin": hasta el último cuadro completo, con sus marcas; lo que sigue no se repite.
    const std::string cortada = ENCABEZADO + cuerpo + "marca uno\n# nota\nmarca dos\nmueve 5 0\nvueltas 1\n";
    ASSERT_TRUE(r.leer(cortada.data(), cortada.size(), "p", error)) << error;
    EXPECT_FALSE(r.isCompleta());
    EXPECT_EQ(r.getLineaFinal(), 15);
    EXPECT_EQ(recorrer(r), "2:52 consola 0.500000 -|-|4:-7 -|c40|6:400 1:0 c35 uno dos|");
    // Los ajustes con que empezó, si los tiene, van tras la semilla.
    const std::string conAjustes = ENCABEZADO + "ajustes suave 0 1 1 0.25 3\n" + cuerpo;
    ASSERT_TRUE(r.leer(conAjustes.data(), conAjustes.size(), "p", error)) << error;
    EXPECT_EQ(Configuracion::describir(r.getAjustes()), "suave 0 1 1 0.25 3");
}

TEST(Repeticion, ArchivosQueNoSirvenDicenArchivoYLinea) {
    const std::pair<std::string, std::string> casos[] = {
        {"", "p:1: el archivo termina antes de empezar"},
        {"hola\n", "p:1: no es una partida grabada de vorlix-quintar"},
        {"vorlix-quintar grabacion 2\n", "p:1: versión \"2\": este juego lee la versión 1"},
        {"vorlix-quintar grabacion 1\nfrecuencia 0\n", "p:2: se esperaba \"frecuencia PULSOS\""},
        {"vorlix-quintar grabacion 1\n\nfrecuencia 9\n", "p:4: el archivo termina antes de terminar el encabezado"},
        {ENCABEZADO + "cuadro 40\ncuadro 34\n", "p:6: valores no válidos para \"cuadro\""},
        {ENCABEZADO + "cuadro 3600001\n", "p:5: valores no válidos para \"cuadro\""},
        {ENCABEZADO + "tecla-abajo 323\n", "p:5: valores no válidos para \"tecla-abajo\""},
        {ENCABEZADO + "mueve 1\n", "p:5: valores no válidos para \"mueve\""},
        {ENCABEZADO + "boton-arriba 0 1 1\n", "p:5: valores no válidos para \"boton-arriba\""},
        {ENCABEZADO + "otro 4\n", "p:5: valores no válidos para \"otro\""},
        {ENCABEZADO + "consola 1 nan\n", "p:5: valores no válidos para \"consola\""},
        {ENCABEZADO + "vueltas 0\n", "p:5: valores no válidos para \"vueltas\""},
        {ENCABEZADO + "salta 3\n", "p:5: palabra desconocida: \"salta\""},
        {ENCABEZADO + "ajustes plano 1 0 1 3 1\n", "p:5: se esperaba \"ajustes MODO A D E VELOCIDAD ESCALA\""},
        {ENCABEZADO + "vueltas 1\nmarca x\n", "p:6: \"marca\" sólo puede seguir a un cuadro"},
        {ENCABEZADO + "fin\ncerrar\n", "p:6: nada puede seguir a \"fin\""},
        {ENCABEZADO + "cuadro 40", "p:5: línea cortada: el archivo termina a mitad de una línea"},
        {ENCABEZADO + "# " + std::string(200, 'x') + "\n", "p:5: línea demasiado larga"},
        {ENCABEZADO + "cerrar\t\n", "p:5: carácter no válido"},
    };
    Repeticion r;
    std::string error;
    for (const auto& [texto, esperado] : casos) {
        EXPECT_FALSE(r.leer(texto.data(), texto.size(), "p", error)) << texto;
        EXPECT_EQ(error, esperado);
    }
    EXPECT_FALSE(r.cargar("/no/existe.txt", error));
    EXPECT_EQ(error, "/no/existe.txt: no se puede abrir: No such file or directory");
}
