#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "CarpetaJuego.h"
#include "Comparacion.h"
#include "Proyeccion.h"
#include "Sesion.h"

namespace fs = std::filesystem;

namespace {

std::string leer(const fs::path& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(archivo), std::istreambuf_iterator<char>());
}

// Píxeles a lo largo del caño girado 80 grados hacia un lado (−1 izquierda,
// +1 derecha), sobre el tablero: cuántos difieren entre dos capturas.
int distintosEnElCanio(const EscritorioX::Captura& a, const EscritorioX::Captura& b, int lado) {
    int distintos = 0;
    for (double d = 0.9; d <= 2.1; d += 0.1) {
        double vx, vy;
        const double angulo = 80 * M_PI / 180;
        proyectarCamaraInicial(9 + lado * d * std::sin(angulo), 15 - d * std::cos(angulo), 0.6, vx, vy);
        const EscritorioX::Color p = a.desdeAbajo(int(vx), int(vy)), q = b.desdeAbajo(int(vx), int(vy));
        distintos += !parecidos(p, {q.r, q.g, q.b}, 30);
    }
    return distintos;
}

// Mueve el ratón de punta a punta de la ventana: el cañón termina a 80
// grados de ese lado.
EscritorioX::Captura apuntar(Sesion& s, int lado) {
    s.x.moverA(s.ventana, lado < 0 ? 5 : 630, 300);
    return s.mirar();
}

}  // namespace

TEST(CanionVisto, ArribaAlCentroYGiraConElRaton) {
    Sesion s;
    ASSERT_NE(s.ventana, 0u) << s.juego.error();
    for (const char* modo : {"l", "h"}) {
        s.x.tocarTecla(s.ventana, modo);
        const EscritorioX::Captura izquierda = apuntar(s, -1), derecha = apuntar(s, 1);
        // Trece puntos por lado: el caño está donde apunta y ya no donde apuntaba.
        EXPECT_GE(distintosEnElCanio(izquierda, derecha, -1), 11) << modo;
        EXPECT_GE(distintosEnElCanio(izquierda, derecha, 1), 11) << modo;
        // Una captura sin mover nada es igual a sí misma (el caño no tiembla).
        EXPECT_LE(distintosEnElCanio(derecha, s.mirar(), 1), 1) << modo;
    }
    EXPECT_EQ(s.juego.error(), "");
}

TEST(CanionVisto, UnModeloDeAssimpEnSuLugar) {
    // Una caja roja de 2 x 2 unidades alrededor del pivote, exportada por assimp.
    char plantilla[] = "/tmp/vq-assimpXXXXXX";
    const fs::path obj = mkdtemp(plantilla);
    std::ofstream(obj / "caja.obj") << "mtllib caja.mtl\nusemtl Roja\n"
                                       "v -12.5 -12.5 13\nv 12.5 -12.5 13\nv 12.5 12.5 13\nv -12.5 12.5 13\n"
                                       "v -12.5 -12.5 24\nv 12.5 -12.5 24\nv 12.5 12.5 24\nv -12.5 12.5 24\n"
                                       "f 1 2 3 4\nf 5 6 7 8\nf 1 2 6 5\nf 2 3 7 6\nf 3 4 8 7\nf 4 1 5 8\n";
    std::ofstream(obj / "caja.mtl") << "newmtl Roja\nKd 1 0 0\n";
    ASSERT_EQ(std::system(("assimp export " + (obj / "caja.obj").string() + " " +
                           (obj / "caja.3ds").string() + " > /dev/null")
                              .c_str()),
              0);
    CarpetaJuego carpeta({{"hyperb.3ds", leer(obj / "caja.3ds")}});
    fs::remove_all(obj);

    EscritorioX x;
    ProcesoJuego juego(carpeta.getRuta());
    const Window dialogo = x.esperarVentana("Pantalla Completa", 15);
    ASSERT_NE(dialogo, 0u) << juego.error();
    x.tocarTecla(dialogo, "n");
    const Window ventana = x.esperarVentana("Vorlix Quintar", 15);
    ASSERT_NE(ventana, 0u);
    const EscritorioX::Captura c = x.capturarCuandoDibuje(ventana, 10);
    int rojos = 0, total = 0;
    for (double bx = 8.4; bx <= 9.6; bx += 0.2) {
        for (double by = 14.4; by <= 15.6; by += 0.2) {
            double vx, vy;
            proyectarCamaraInicial(bx, by, 0.9, vx, vy);
            const EscritorioX::Color p = c.desdeAbajo(int(vx), int(vy));
            rojos += p.r > 200 && p.g < 40 && p.b < 40;
            total++;
        }
    }
    EXPECT_GT(rojos, total * 3 / 4);
    x.tocarTecla(ventana, "q");
    EXPECT_EQ(juego.esperarFin(10), 0);
}

TEST(CanionVisto, UnModeloCortadoYSuTexturaRotaNoLoDetienen) {
    const std::string modelo = leer(fs::path(RAIZ_REPOSITORIO) / "resources/hyperb.3ds");
    CarpetaJuego carpeta({{"hyperb.3ds", modelo.substr(0, modelo.size() / 3)},
                          {"hyperb.bmp", std::string(60, '\x07')}});
    EscritorioX x;
    ProcesoJuego juego(carpeta.getRuta());
    const Window dialogo = x.esperarVentana("Pantalla Completa", 15);
    ASSERT_NE(dialogo, 0u) << juego.error();
    x.tocarTecla(dialogo, "n");
    const Window aviso = x.esperarVentana("Error", 15);
    ASSERT_NE(aviso, 0u) << juego.error();
    x.tocarTecla(aviso, "Return");
    const Window ventana = x.esperarVentana("Vorlix Quintar", 15);
    ASSERT_NE(ventana, 0u);
    x.capturarCuandoDibuje(ventana, 10);
    EXPECT_TRUE(juego.esperarError("Unknown DIB file format.", 5)) << juego.error();
    // Sigue dibujando y contesta al teclado.
    x.tocarTecla(ventana, "h");
    EXPECT_TRUE(juego.esperarSalida("Wireframe\n", 5));
    x.tocarTecla(ventana, "q");
    EXPECT_EQ(juego.esperarFin(10), 0);
}
