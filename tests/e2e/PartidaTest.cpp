#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "Comparacion.h"
#include "MapaBits.h"
#include "Sesion.h"

namespace {

using Captura = EscritorioX::Captura;

MapaBits recurso(const char* nombre) { return MapaBits(std::string(RAIZ_REPOSITORIO) + "/resources/" + nombre); }

std::array<int, 3> panel(const Captura& c) {  // puntos, bolas y nivel del panel
    return {leerContador(c, 690, 530), leerContador(c, 670, 420), leerContador(c, 750, 420)};
}

int atrapadas(Sesion& s) {  // cada vez que el aro retiene la bola el juego lo dice y suma una bola
    const std::string salida = s.juego->salida();
    int n = 0;
    for (size_t i = salida.find("Entro!"); i != std::string::npos; i = salida.find("Entro!", i + 1)) n++;
    return n;
}

// Píxeles del tablero que cambian entre dos capturas, fuera del cartel y de
// la franja del aro: con fuegos, las chispas.
int cambiantes(const Captura& a, const Captura& b) {
    int n = 0;
    for (int x = 30; x < 610; x++)
        for (int y = 60; y < 460; y++)
            n += !(x >= 150 && y >= 220 && y < 380) && !parecidos(a.desdeAbajo(x, y), b.desdeAbajo(x, y), 30);
    return n;
}

}  // namespace

// Una partida entera como la juega una persona, con niveles de la prueba: un
// blanco que la bola toca al salir y dos niveles sin piezas. Después vuelve
// tres veces, con sus ajustes y su mejor puntaje.
TEST(Partida, DeLaPreguntaAlCartelDeVictoriaYOtraVez) {
    Sesion s({{"pantalla1.txt", "2\n8.5 14.9 0\n14 4 1\n"}, {"pantalla2.txt", "0\n"}, {"pantalla3.txt", "0\n"}});
    ASSERT_NE(s.ventana, 0u) << s.juego->error();
    ProcesoJuego& juego = *s.juego;
    EXPECT_TRUE(juego.esperarSalida("Frecuencia de proceso: "));
    const MapaBits tablero1 = recurso("pantalla1.bmp"), menu = recurso("menu.bmp");
    s.esperar([&](const Captura& c) {
        ASSERT_TRUE(c.ancho == 800 && c.alto == 600);
        EXPECT_GT(coincidenciaTablero(c, tablero1), 0.85);
        EXPECT_LT(coincidenciaTablero(c, tablero1, true), 0.6);
        EXPECT_GT(coincidenciaRectangulo(c, menu, 640, 0), 0.8);
        EXPECT_EQ(panel(c), (std::array<int, 3>{0, 20, 1}));
    });
    // Un clic dispara. El blanco está pegado a la bola que sale: uno lejos del cañón puede caer
    // entre dos cuadros si la máquina va lenta. Cuando la bola sale aparece el nivel 2.
    const auto tirar = [&](int nivel) {
        s.x.clic(s.ventana, 5, 300);
        return s.esperar([&](const Captura& c) { EXPECT_EQ(panel(c)[2], nivel); });
    };
    tirar(2);
    s.esperar([&](const Captura& c) {
        EXPECT_EQ(std::pair(panel(c)[1] - atrapadas(s), panel(c)[2]), std::pair(19, 2));
        EXPECT_GE(panel(c)[0], 200);
        EXPECT_GT(coincidenciaTablero(c, recurso("pantalla2.bmp")), 0.8);
    });
    // Ajustes: la velocidad de 4x acorta lo que sigue.
    s.x.clic(s.ventana, 700, 345);
    s.x.clic(s.ventana, 662, 504);
    EXPECT_TRUE(juego.esperarSalida("Velocidad actual: 4.000000x\n"));
    s.x.clic(s.ventana, 600, 160);
    // Dos tiros más: el nivel 3 y la victoria, con fuegos, 20 bolas y el nivel 1.
    s.x.clic(s.ventana, 5, 300);
    s.esperar([&](const Captura& c) { EXPECT_EQ(std::pair(panel(c)[1] - atrapadas(s), panel(c)[2]), std::pair(18, 3)); });
    s.x.clic(s.ventana, 5, 300);
    const MapaBits ganar = recurso("ganar.bmp");
    Captura c = s.esperar([&](const Captura& c) {
        EXPECT_GT(coincidenciaRectangulo(c, ganar, 150, 220), 0.9);
        EXPECT_EQ(panel(c), (std::array<int, 3>{0, 20, 1}));
        EXPECT_GT(coincidenciaTablero(c, tablero1), 0.6);
    });
    s.esperar([&](const Captura& d) { EXPECT_GT(cambiantes(c, d), 100); });
    // Fue el mejor puntaje: lo dice la salida y lo muestra un recuadro bajo el cartel.
    const int mejor = std::atoi(juego.salida().c_str() + juego.salida().find("Nuevo mejor puntaje: ") + 21);
    EXPECT_TRUE(mejor >= 200 && leerContador(c, 158, 193) == mejor) << juego.salida();
    // Un clic en el cartel lo quita y apaga los fuegos, sin disparar.
    s.x.clic(s.ventana, 400, 300);
    c = s.esperar([&](const Captura& c) { EXPECT_LT(coincidenciaRectangulo(c, ganar, 150, 220), 0.3); });
    EXPECT_EQ(cambiantes(c, s.mirar()), 0);
    EXPECT_EQ(panel(c)[1], 20);
    // Pulsar "q" no hace nada; soltarla termina con estado 0 y guarda los ajustes.
    for (const char* t : {"h", "2"}) s.x.tocarTecla(s.ventana, t);
    s.x.tecla(s.ventana, "q", true);
    EXPECT_EQ(juego.esperarFin(0.5), -1);
    s.x.tecla(s.ventana, "q", false);
    EXPECT_EQ(juego.esperarFin(), 0);
    EXPECT_EQ(juego.error(), "");
    const std::string ajustes = std::getenv("XDG_CONFIG_HOME") + std::string("/vorlix-quintar/ajustes.txt");
    const std::string puntaje = std::getenv("XDG_DATA_HOME") + std::string("/vorlix-quintar/mejor-puntaje.txt");
    const auto guardados = [&] { const std::string t = leer(ajustes); return t.substr(t.find("\nmodo") + 1); };
    const std::string alambre = "modo = alambre\nluz ambiental = encendida\nluz difusa = apagada\nluz especular = encendida\n";
    EXPECT_EQ(guardados(), alambre + "velocidad = 4\nescala = 1\n");
    const auto tocar = [&](const char* tecla, const std::string& velocidad) {  // y salir
        for (const char* t : {tecla, "q"}) s.x.tocarTecla(s.ventana, t);
        EXPECT_TRUE(s.juego->esperarFin() == 0 && s.juego->salida().find(velocidad + "x\n") != std::string::npos);
    };
    // Otra vez: con --sin-configuracion, los ajustes de siempre, sin guardar.
    s.arrancar({"--ventana", "--sin-configuracion"});
    tocar("KP_Add", "1.250000");
    EXPECT_EQ(guardados(), alambre + "velocidad = 4\nescala = 1\n");
    // Sin la opción vuelven alambre, las luces y 4x, y una partida sin puntos deja ver el mejor.
    s.carpeta.escribir("resources/pantalla1.txt", "0\n");
    s.arrancar({"--ventana"});
    for (int nivel : {2, 3}) tirar(nivel);
    s.x.clic(s.ventana, 5, 300);
    s.esperar([&](const Captura& c) {
        EXPECT_GT(coincidenciaRectangulo(c, ganar, 150, 220), 0.9);
        EXPECT_EQ(leerContador(c, 158, 193), mejor);
    });
    tocar("KP_Subtract", "2.000000");
    EXPECT_EQ(guardados(), alambre + "velocidad = 2\nescala = 1\n");
    // Dañados: una línea por archivo, los ajustes de siempre, y el puntaje ajeno sigue ahí.
    std::ofstream(ajustes) << "modo = alambre\nvelocidad = 3\n";
    std::ofstream(puntaje) << "\x89PNG\r\n\x1a\n";
    s.arrancar({"--ventana"});
    tocar("KP_Add", "1.250000");
    EXPECT_EQ(s.juego->error(), "vorlix-quintar: " + ajustes + ": línea 2: no es un ajuste del juego; se usan los ajustes "
              "de siempre\nvorlix-quintar: " + puntaje + ": línea 1: no es «clave = valor»; se empieza sin mejor puntaje\n");
    EXPECT_EQ(guardados(), "modo = texturado\nluz ambiental = encendida\nluz difusa = encendida\nluz especular = encendida\n"
                           "velocidad = 1.25\nescala = 1\n");
    EXPECT_EQ(leer(puntaje), "\x89PNG\r\n\x1a\n");
}
