#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "Comparacion.h"
#include "ServidorX.h"
#include "Sesion.h"

using Captura = EscritorioX::Captura;

TEST(Escritorio, OpcionesDeLaLineaDeOrdenes) {
    Carpeta carpeta;
    const auto correr = [&](const std::vector<std::string>& argumentos) {
        ProcesoJuego p(carpeta.ruta(), JUEGO, argumentos);
        const int estado = p.esperarFin();
        return std::make_tuple(estado, p.salida(), p.error());
    };
    const std::string ayuda = std::get<1>(correr({"--help"})), version = "vorlix-quintar " VERSION "\n";
    for (const char* o : {"Uso: vorlix-quintar [OPCIÓN]...\n", "\n  --ventana ", "\n  --pantalla-completa ",
                          "\n  --escala N|auto ", "\n  --sin-configuracion ", "\n  --version "})
        EXPECT_NE(ayuda.find(o), std::string::npos) << o;
    const std::tuple<std::vector<std::string>, int, std::string, std::string> casos[] = {
        {{"--version"}, 0, version, ""}, {{"--escala", "4", "--sin-configuracion", "--ventana", "--help"}, 0, ayuda, ""},
        {{"--ventana", "-h"}, 2, "", "opción desconocida: -h"}, {{"--escala"}, 2, "", "--escala necesita N|auto"},
        {{"--escala", "0"}, 2, "", "valor no válido para --escala: 0"},
        {{"--escala", "Auto"}, 2, "", "valor no válido para --escala: Auto"}};
    for (const auto& [argumentos, estado, salida, error] : casos)
        EXPECT_EQ(correr(argumentos), std::make_tuple(estado, salida, error.empty() ? error : "vorlix-quintar: " + error + "\n" + ayuda));
    // Sin un video que sirva, código 1 y el porqué: si SDL no arranca, por la salida de error.
    for (const auto& [video, salida, error] : {std::tuple("nada", "", "No se puede inicializar SDL: "),
                                               std::tuple("dummy", "No se puede definir el \"video mode\": ", "")}) {
        setenv("SDL_VIDEODRIVER", video, 1);
        const auto [estado, s, e] = correr({"--ventana", "--sin-sonido"});
        EXPECT_TRUE(estado == 1 && s.find(salida) != s.npos && e.find(error) != e.npos) << video << ": " << s << e;
    }
    unsetenv("SDL_VIDEODRIVER");
}

// En una pantalla de 1700 x 1300 la escala automática es 2: todo se ve y se toca al doble.
TEST(Escritorio, EscalaAutomaticaAlDoble) {
    ServidorX grande(1700, 1300);
    Sesion s({}, true, JUEGO, {"--ventana", "--escala", "auto"});
    s.esperar([](const Captura& c) {
        EXPECT_TRUE(c.ancho == 1600 && c.alto == 1200);
        EXPECT_EQ((std::array<int, 3>{leerContador(c, 690, 530, 2), leerContador(c, 670, 420, 2), leerContador(c, 750, 420, 2)}),
                  (std::array<int, 3>{0, 20, 1}));
    });
    // "Ayuda" en su lugar al doble abre la página. La escala pedida se guarda: sin --escala, otra vez al doble.
    const MapaBits ayuda(RAIZ_REPOSITORIO "/resources/ayuda.bmp");
    s.x.clic(s.ventana, 1400, 564);
    s.esperar([&](const Captura& c) { EXPECT_GT(coincidenciaRectangulo(c, ayuda, 80, 60, 2), 0.8); });
    s.x.tocarTecla(s.ventana, "Escape");
    EXPECT_EQ(s.juego->esperarFin(), 0);
    s.arrancar({"--ventana"});
    EXPECT_EQ(s.x.capturar(s.ventana).ancho, 1600);
}
