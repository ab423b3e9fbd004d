// La instalación: los archivos para el escritorio pasan sus validadores y el
// juego instalado, con la instalación movida entera a otra carpeta, arranca
// con su lanzador desde otro directorio de trabajo.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "Sesion.h"

namespace fs = std::filesystem;

namespace {

const std::string EMPAQUE = std::string(RAIZ_REPOSITORIO) + "/empaque/";

// La salida de la orden (con la de error) y su estado.
std::pair<int, std::string> correr(const std::string& orden) {
    FILE* tubo = popen(("LC_ALL=C " + orden + " 2>&1").c_str(), "r");
    std::string salida;
    char bloque[4096];
    for (size_t n; (n = std::fread(bloque, 1, sizeof bloque, tubo)) > 0;) salida.append(bloque, n);
    const int estado = pclose(tubo);
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, salida};
}

}  // namespace

TEST(Instalacion, ValidadoresInstalacionMovidaYLanzador) {
    // Ni errores ni avisos ni sugerencias ("E: ", "W: ", "I: ", "P: ").
    EXPECT_EQ(correr("desktop-file-validate '" + EMPAQUE + "vorlix-quintar.desktop'"), std::make_pair(0, std::string()));
    auto r = correr("appstreamcli validate --no-net --pedantic '" + EMPAQUE + "io.github.vorlix.quintar.metainfo.xml'");
    EXPECT_EQ(r.first, 0);
    EXPECT_EQ(r.second.find(": "), std::string::npos) << r.second;
    EXPECT_EQ(correr("groff -man -Tutf8 -ww -z '" + EMPAQUE + "vorlix-quintar.6'"), std::make_pair(0, std::string()));

    Carpeta carpeta;
    const std::string tmp = carpeta.ruta();
    // Sólo el componente del juego: no pisa install_manifest.txt de la compilación.
    r = correr("'" CMAKE "' --install '" COMPILACION "' --component juego --prefix '" + tmp + "/primera/usr'");
    ASSERT_EQ(r.first, 0) << r.second;
    fs::rename(tmp + "/primera", tmp + "/movida");
    const fs::path raiz = tmp + "/movida/usr", compartido = raiz / DIR_COMPARTIDO;
    r = correr("appstreamcli validate-tree --no-net --pedantic '" + tmp + "/movida'");
    EXPECT_EQ(r.first, 0);
    EXPECT_EQ(r.second.find(": "), std::string::npos) << r.second;
    EXPECT_EQ(leer(compartido / "applications/vorlix-quintar.desktop"), leer(EMPAQUE + "vorlix-quintar.desktop"));
    EXPECT_EQ(correr("gzip -cd '" + (raiz / DIR_MANUAL / "man6/vorlix-quintar.6.gz").string() + "'").second,
              leer(EMPAQUE + "vorlix-quintar.6"));
    for (const std::string tam : {"16x16", "24x24", "32x32", "48x48", "64x64", "128x128", "256x256"})
        EXPECT_EQ(correr("identify -format '%m %wx%h %A' '" + (compartido / "icons/hicolor" / tam).string() +
                         "/apps/vorlix-quintar.png'").second, "PNG " + tam + " True");

    // Un nivel roto en el directorio de trabajo: el juego instalado usa los suyos. Las opciones
    // llegan por el lanzador: sin sonido al empezar, la M lo enciende.
    Sesion s({{"pantalla1.txt", "roto"}}, true, (raiz / DIR_BINARIOS / "vorlix-quintar").string(), {"--sin-sonido"});
    ASSERT_NE(s.ventana, 0u) << s.juego->error();
    s.x.tocarTecla(s.ventana, "m");
    EXPECT_TRUE(s.juego->esperarSalida("Sonido: sí\n", 10));
    s.x.tocarTecla(s.ventana, "q");
    EXPECT_EQ(s.juego->esperarFin(10), 0);
    EXPECT_EQ(s.juego->error(), "");
}
