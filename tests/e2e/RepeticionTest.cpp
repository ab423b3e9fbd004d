// Partidas grabadas: las de tests/partidas/ (ver scripts/grabar_partidas.sh)
// repetidas con --rapido, una grabada aquí y repetida, y archivos que no sirven.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <map>
#include <set>

#include "Comparacion.h"
#include "MapaBits.h"
#include "Sesion.h"

namespace {

using Captura = EscritorioX::Captura;
const std::string PARTIDAS = std::string(RAIZ_REPOSITORIO) + "/tests/partidas/";

MapaBits recurso(const char* nombre) { return MapaBits(std::string(RAIZ_REPOSITORIO) + "/resources/" + nombre); }

std::array<int, 3> panel(const Captura& c) {
    return {leerContador(c, 690, 530), leerContador(c, 670, 420), leerContador(c, 750, 420)};
}

// Fracción de un rectángulo de la ventana igual a la página de 640 x 480 dibujada en (80, 60).
double igualAPagina(const Captura& c, const MapaBits& pagina, int x0, int y0, int ancho, int alto) {
    int iguales = 0;
    for (int x = x0; x < x0 + ancho; x++)
        for (int y = y0; y < y0 + alto; y++)
            iguales += parecidos(c.desdeAbajo(x, y), pagina.pixel(x - 80, 539 - y), 24);
    return static_cast<double>(iguales) / (ancho * alto);
}

std::string resumen(const std::string& texto) {
    const size_t i = texto.rfind("Resumen: ");
    return i == std::string::npos ? "" : texto.substr(i, texto.find('\n', i) - i);
}

// La carpeta del juego con los niveles de las partidas grabadas.
void prepararCarpeta(Carpeta& carpeta) {
    for (const char* n : {"pantalla1.txt", "pantalla2.txt", "pantalla3.txt"})
        carpeta.escribir(std::string("resources/") + n, leer(PARTIDAS + "resources/" + n));
    carpeta.enlazarRecursos();
}

bool detenido(pid_t pid) {
    const std::string estado = leer("/proc/" + std::to_string(pid) + "/stat");
    const size_t i = estado.rfind(')');
    return i != std::string::npos && i + 2 < estado.size() && estado[i + 2] == 'T';
}

// Repite la partida; en cada marca, con el juego detenido, le pasa a mirar el nombre y la captura.
std::string repetir(const std::string& partida, const std::function<void(const std::string&, const Captura&)>& mirar) {
    Carpeta carpeta;
    prepararCarpeta(carpeta);
    ProcesoJuego juego(carpeta.ruta(), JUEGO,
                       {"--repetir", PARTIDAS + partida + ".partida", "--rapido", "--salir-al-final", "--detener-en-marcas"});
    EscritorioX x;
    Window ventana = 0;
    size_t vistas = 0;
    for (int vueltas = 0; juego.esperarFin(0.02) < 0 && vueltas < 15000; vueltas++) {
        const std::string salida = juego.salida();
        const size_t marca = salida.find("Marca ", vistas);
        if (marca == std::string::npos || !detenido(juego.getPid())) continue;
        if (ventana == 0) ventana = x.esperarVentana("Vorlix Quintar", 15);
        mirar(salida.substr(marca + 6, salida.find(' ', marca + 6) - marca - 6), x.capturar(ventana));
        vistas = marca + 1;
        juego.senal(SIGCONT);
    }
    EXPECT_EQ(juego.esperarFin(1), 0) << partida << ": " << juego.error();
    return juego.salida();
}

using Condiciones = std::map<std::string, std::function<bool(const Captura&)>>;

// La partida da el resumen de cuando se grabó, y en cada marca se ve lo que debe.
void comprobar(const std::string& partida, const Condiciones& marcas) {
    std::set<std::string> vistas;
    const std::string salida = repetir(partida, [&](const std::string& marca, const Captura& c) {
        const auto condicion = marcas.find(marca);
        ASSERT_NE(condicion, marcas.end()) << marca;
        EXPECT_TRUE(condicion->second(c)) << partida << "/" << marca;
        vistas.insert(marca);
    });
    EXPECT_EQ(vistas.size(), marcas.size());
    EXPECT_EQ(resumen(salida), resumen(leer(PARTIDAS + partida + ".partida")));
    EXPECT_NE(salida.find("Fin de la repetición"), std::string::npos);
}

}  // namespace

TEST(Repeticion, TresNivelesElCartelDeGanarYOtraVezElPrimero) {
    const MapaBits ganar = recurso("ganar.bmp"), tablero = recurso("pantalla1.bmp");
    comprobar("ciclo", {
        {"ganar", [&](const Captura& c) { return coincidenciaRectangulo(c, ganar, 150, 220) > 0.9 && panel(c) == std::array{0, 20, 1}; }},
        {"final", [&](const Captura& c) { return coincidenciaRectangulo(c, ganar, 150, 220) < 0.3 && coincidenciaTablero(c, tablero) > 0.6; }},
    });
}

TEST(Repeticion, UnNivelSuperadoSinBolasEsUnaDerrota) {
    const MapaBits perder = recurso("perder.bmp");
    comprobar("derrota", {
        {"perder", [&](const Captura& c) { return coincidenciaRectangulo(c, perder, 150, 220) > 0.9 && panel(c) == std::array{0, 20, 1}; }},
    });
}

TEST(Repeticion, TeclasConsolaCamarasYPaginas) {
    const MapaBits tablero = recurso("pantalla1.bmp"), ayuda = recurso("ayuda.bmp"), ajustes = recurso("configuracion.bmp");
    comprobar("teclas", {
        {"seguir", [&](const Captura& c) { return coincidenciaTablero(c, tablero) < 0.4; }},
        {"ayuda", [&](const Captura& c) { return coincidenciaRectangulo(c, ayuda, 80, 60) > 0.85; }},
        // El tick de alambre puesto; el de facetado no.
        {"ajustes", [&](const Captura& c) {
             return coincidenciaRectangulo(c, ajustes, 80, 60) > 0.8 && igualAPagina(c, ajustes, 351, 380, 11, 12) < 0.8 &&
                    igualAPagina(c, ajustes, 619, 377, 11, 12) > 0.95;
         }},
    });
}

// Grabada aquí con eventos de X y la consola, cortada con Ctrl+C: la repetición da el mismo resumen.
TEST(Repeticion, LoGrabadoSeRepiteIgual) {
    Carpeta carpeta;
    prepararCarpeta(carpeta);
    const std::string archivo = carpeta.ruta() + "/partida.txt";
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
        EXPECT_NE(resumen(juego.salida()), "");
        ProcesoJuego repetida(carpeta.ruta(), JUEGO, {"--repetir", archivo, "--rapido", "--salir-al-final"});
        EXPECT_EQ(repetida.esperarFin(120), 0);
        EXPECT_EQ(resumen(repetida.salida()), resumen(juego.salida()));
    }
    // Archivos que no sirven: un mensaje con archivo y línea, estado 2 y sin ventana (no hay pantalla).
    carpeta.escribir("futura.txt", "vorlix-quintar grabacion 9\n");
    const std::string juego = "cd / && env -u DISPLAY VQ_CARPETA_LLAMADA=" + carpeta.ruta() + " " JUEGO " ";
    const std::pair<std::string, std::string> casos[] = {
        {"--repetir futura.txt", carpeta.ruta() + "/futura.txt:1: versión \"9\": este juego lee la versión 1"},
        {"--repetir /no/esta.txt", "/no/esta.txt: no se puede abrir: No such file or directory"},
        {"--rapido", "--rapido, --salir-al-final y --detener-en-marcas van con --repetir"},
    };
    for (const auto& [opciones, mensaje] : casos) {
        FILE* tubo = popen((juego + opciones + " 2>&1").c_str(), "r");
        char texto[512] = "";
        const size_t n = std::fread(texto, 1, sizeof texto - 1, tubo);
        EXPECT_EQ(std::string(texto, n), "vorlix-quintar: " + mensaje + "\n");
        EXPECT_EQ(WEXITSTATUS(pclose(tubo)), 2) << opciones;
    }
}
