// Partidas grabadas: las de tests/partidas/ (ver scripts/grabar_partidas.sh)
// repetidas con --rapido, una grabada aquí y repetida, y archivos que no sirven.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>

#include "Comparacion.h"
#include "MapaBits.h"
#include "Sesion.h"

namespace {

using Captura = EscritorioX::Captura;
using Condiciones = std::map<std::string, std::function<bool(const Captura&)>>;
const std::string PARTIDAS = std::string(RAIZ_REPOSITORIO) + "/tests/partidas/";

MapaBits recurso(const char* nombre) { return MapaBits(std::string(RAIZ_REPOSITORIO) + "/resources/" + nombre); }

bool panelInicial(const Captura& c) {  // 0 puntos, 20 bolas, nivel 1
    return leerContador(c, 690, 530) == 0 && leerContador(c, 670, 420) == 20 && leerContador(c, 750, 420) == 1;
}

// Fracción de un rectángulo de la ventana igual a la página de 640 x 480 dibujada en (80, 60).
double igualAPagina(const Captura& c, const MapaBits& pagina, int x0, int y0) {
    int iguales = 0;
    for (int x = x0; x < x0 + 11; x++)
        for (int y = y0; y < y0 + 12; y++) iguales += parecidos(c.desdeAbajo(x, y), pagina.pixel(x - 80, 539 - y), 24);
    return iguales / 132.0;
}

std::string resumen(const std::string& texto) {
    const size_t i = texto.rfind("Resumen: ");
    return i == std::string::npos ? "" : texto.substr(i, texto.find('\n', i) - i);
}

// La carpeta del juego con los niveles de las partidas grabadas.
void prepararCarpeta(Carpeta& carpeta) {
    for (const std::string n : {"pantalla1.txt", "pantalla2.txt", "pantalla3.txt"})
        carpeta.escribir("resources/" + n, leer(PARTIDAS + "resources/" + n));
    carpeta.enlazarRecursos();
}

// Repite la partida: da el resumen de cuando se grabó y en cada marca, con el juego
// detenido, la captura cumple su condición.
void comprobar(const std::string& partida, const Condiciones& marcas) {
    Carpeta carpeta;
    prepararCarpeta(carpeta);
    const std::string archivo = PARTIDAS + partida + ".partida";
    ProcesoJuego juego(carpeta.ruta(), JUEGO, {"--repetir", archivo, "--rapido", "--salir-al-final", "--detener-en-marcas"});
    EscritorioX x;
    Window ventana = 0;
    size_t vistas = 0, leidas = 0;
    for (int vueltas = 0; juego.esperarFin(0.02) < 0 && vueltas < 15000; vueltas++) {
        const std::string salida = juego.salida(), estado = leer("/proc/" + std::to_string(juego.getPid()) + "/stat");
        const size_t marca = salida.find("Marca ", leidas), fin = marca + 6;
        if (marca == std::string::npos || estado.find(") T ") == std::string::npos) continue;
        if (ventana == 0) ventana = x.esperarVentana("Vorlix Quintar", 15);
        const auto condicion = marcas.find(salida.substr(fin, salida.find(' ', fin) - fin));
        EXPECT_TRUE(condicion != marcas.end() && condicion->second(x.capturar(ventana))) << salida.substr(marca, 40);
        vistas++, leidas = fin;
        juego.senal(SIGCONT);
    }
    EXPECT_EQ(juego.esperarFin(1), 0) << juego.error();
    EXPECT_EQ(vistas, marcas.size());
    EXPECT_EQ(resumen(juego.salida()), resumen(leer(archivo)));
    EXPECT_NE(juego.salida().find("Fin de la repetición"), std::string::npos);
}

}  // namespace

TEST(Repeticion, TresNivelesElCartelDeGanarYOtraVezElPrimero) {
    const MapaBits ganar = recurso("ganar.bmp"), tablero = recurso("pantalla1.bmp");
    comprobar("ciclo", {
        {"ganar", [&](const Captura& c) { return coincidenciaRectangulo(c, ganar, 150, 220) > 0.9 && panelInicial(c); }},
        {"final", [&](const Captura& c) { return coincidenciaRectangulo(c, ganar, 150, 220) < 0.3 && coincidenciaTablero(c, tablero) > 0.6; }},
    });
}

TEST(Repeticion, UnNivelSuperadoSinBolasEsUnaDerrota) {
    const MapaBits perder = recurso("perder.bmp");
    comprobar("derrota", {{"perder", [&](const Captura& c) { return coincidenciaRectangulo(c, perder, 150, 220) > 0.9 && panelInicial(c); }}});
}

TEST(Repeticion, TeclasConsolaCamarasYPaginas) {
    const MapaBits tablero = recurso("pantalla1.bmp"), ayuda = recurso("ayuda.bmp"), ajustes = recurso("configuracion.bmp");
    comprobar("teclas", {
        {"seguir", [&](const Captura& c) { return coincidenciaTablero(c, tablero) < 0.4; }},
        {"ayuda", [&](const Captura& c) { return coincidenciaRectangulo(c, ayuda, 80, 60) > 0.85; }},
        // El tick de alambre puesto; el de facetado no.
        {"ajustes", [&](const Captura& c) {
             return coincidenciaRectangulo(c, ajustes, 80, 60) > 0.8 && igualAPagina(c, ajustes, 351, 380) < 0.8 &&
                    igualAPagina(c, ajustes, 619, 377) > 0.95;
         }},
    });
}

// Grabada aquí con eventos de X y la consola, cortada con Ctrl+C, con los ajustes guardados del
// jugador: la repetición da el mismo resumen y no toca los ajustes de quien la mira.
TEST(Repeticion, LoGrabadoSeRepiteIgual) {
    Carpeta carpeta;
    prepararCarpeta(carpeta);
    const std::string archivo = carpeta.ruta() + "/partida.txt";
    const std::string ajustes = std::getenv("XDG_CONFIG_HOME") + std::string("/vorlix-quintar");
    ASSERT_EQ(std::system(("mkdir -p " + ajustes).c_str()), 0);
    const auto guardar = [&] { std::ofstream(ajustes + "/ajustes.txt") << "modo = plano\nluz difusa = apagada\nvelocidad = 2\n"; };
    guardar();
    {
        ProcesoJuego juego(carpeta.ruta(), JUEGO, {"--ventana", "--grabar", archivo});
        EscritorioX x;
        const Window ventana = x.esperarVentana("Vorlix Quintar", 15);
        ASSERT_NE(ventana, 0u) << juego.error();
        x.moverA(ventana, 30, 300);
        x.clic(ventana, 20, 300);
        x.tocarTecla(ventana, "7");
        ASSERT_TRUE(juego.esperarSalida("posicion de luz difusa: ", 10));
        juego.escribirEntrada("18 15 x\n");
        x.tocarTecla(ventana, "h");
        ASSERT_TRUE(juego.esperarSalida("Wireframe", 10));
        juego.senal(SIGINT);
        EXPECT_EQ(juego.esperarFin(10), 0);
        EXPECT_EQ(leer(archivo).find("consola 18 15\n"), leer(archivo).rfind("consola"));
        EXPECT_NE(leer(archivo).find("\najustes plano 1 0 1 2 1\n"), std::string::npos);
        guardar();
        // Las dos escriben su salida en el mismo archivo de la carpeta: la primera se lee antes.
        const std::string grabado = resumen(juego.salida());
        EXPECT_NE(grabado, "");
        ProcesoJuego repetida(carpeta.ruta(), JUEGO, {"--repetir", archivo, "--rapido", "--salir-al-final"});
        EXPECT_EQ(repetida.esperarFin(120), 0);
        EXPECT_EQ(resumen(repetida.salida()), grabado);
        EXPECT_EQ(leer(ajustes + "/ajustes.txt"), "modo = plano\nluz difusa = apagada\nvelocidad = 2\n");
    }
    // Archivos que no sirven: un mensaje con archivo y línea, estado 2 y sin ventana (no hay pantalla).
    carpeta.escribir("futura.txt", "vorlix-quintar grabacion 9\n");
    const std::string juego = "cd / && env -u DISPLAY VQ_CARPETA_LLAMADA=" + carpeta.ruta() + " " JUEGO " ";
    for (const auto& [opciones, mensaje] : {std::pair<std::string, std::string>{"--repetir futura.txt", carpeta.ruta() + "/futura.txt:1: versión \"9\": este juego lee la versión 1"},
                                            {"--rapido", "--rapido, --salir-al-final y --detener-en-marcas van con --repetir"}}) {
        FILE* tubo = popen((juego + opciones + " 2>&1").c_str(), "r");
        char texto[512] = "";
        const size_t n = std::fread(texto, 1, sizeof texto - 1, tubo);
        EXPECT_EQ(std::string(texto, n), "vorlix-quintar: " + mensaje + "\n");
        EXPECT_EQ(WEXITSTATUS(pclose(tubo)), 2) << opciones;
    }
}
