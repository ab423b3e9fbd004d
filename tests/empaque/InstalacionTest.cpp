// La instalación: los archivos para el escritorio pasan sus validadores y el
// juego instalado, con la instalación movida entera a otra carpeta, arranca
// con su lanzador desde otro directorio de trabajo.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "Sesion.h"

namespace fs = std::filesystem;

namespace {

const std::string EMPAQUE = std::string(RAIZ_REPOSITORIO) + "/empaque/";

struct Resultado {
    int codigo;
    std::string salida;
};

// Corre la orden en el intérprete, con la salida de error junto a la estándar.
Resultado correr(const std::string& orden) {
    FILE* tubo = popen(("LC_ALL=C " + orden + " 2>&1").c_str(), "r");
    if (tubo == nullptr) return {-1, ""};
    std::string salida;
    char bloque[4096];
    size_t n;
    while ((n = std::fread(bloque, 1, sizeof bloque, tubo)) > 0) salida.append(bloque, n);
    const int estado = pclose(tubo);
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, salida};
}

std::string leer(const fs::path& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    std::ostringstream contenido;
    contenido << archivo.rdbuf();
    return contenido.str();
}

class CarpetaTemporal {
public:
    CarpetaTemporal() {
        char plantilla[] = "/tmp/vq-instalacion-XXXXXX";
        if (mkdtemp(plantilla) != nullptr) ruta = plantilla;
    }
    ~CarpetaTemporal() {
        std::error_code error;
        fs::remove_all(ruta, error);
    }
    fs::path ruta;
};

}  // namespace

TEST(Instalacion, EscritorioAppStreamYManualSinAvisos) {
    Resultado r = correr("desktop-file-validate '" + EMPAQUE + "vorlix-quintar.desktop'");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida, "");

    // Sin red no se comprueba que la dirección de la captura exista.
    r = correr("appstreamcli validate --no-net --pedantic '" + EMPAQUE +
               "io.github.vorlix.quintar.metainfo.xml'");
    EXPECT_EQ(r.codigo, 0) << r.salida;
    EXPECT_NE(r.salida.find("Validation was successful."), std::string::npos) << r.salida;
    // Ni errores ni avisos ni sugerencias: "E: ", "W: ", "I: ", "P: ", o
    // la cuenta tras "successful:".
    EXPECT_EQ(r.salida.find(": "), std::string::npos) << r.salida;

    r = correr("groff -man -Tutf8 -ww -z '" + EMPAQUE + "vorlix-quintar.6'");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida, "");
}

TEST(Instalacion, ElLanzadorArrancaElJuegoMovidoDesdeOtraCarpeta) {
    CarpetaTemporal tmp;
    ASSERT_FALSE(tmp.ruta.empty());
    // Sólo el componente del juego: no pisa install_manifest.txt de la compilación.
    // Con el prefijo en usr/ de la carpeta, que hace de raíz de un sistema.
    Resultado r = correr("'" CMAKE "' --install '" COMPILACION "' --component juego --prefix '" +
                         (tmp.ruta / "primera/usr").string() + "'");
    ASSERT_EQ(r.codigo, 0) << r.salida;
    fs::rename(tmp.ruta / "primera", tmp.ruta / "movida");
    const fs::path raiz = tmp.ruta / "movida/usr";

    // La descripción de AppStream encuentra su entrada de escritorio y su icono.
    r = correr("appstreamcli validate-tree --no-net --pedantic '" +
               (tmp.ruta / "movida").string() + "'");
    EXPECT_EQ(r.codigo, 0) << r.salida;
    EXPECT_EQ(r.salida.find(": "), std::string::npos) << r.salida;

    const fs::path compartido = raiz / DIR_COMPARTIDO;
    EXPECT_TRUE(fs::is_regular_file(raiz / DIR_PROGRAMAS / "vorlix-quintar/vorlix-quintar"));
    EXPECT_TRUE(fs::is_regular_file(raiz / DIR_DATOS / "vorlix-quintar/resources/pantalla1.txt"));
    EXPECT_EQ(leer(compartido / "applications/vorlix-quintar.desktop"),
              leer(EMPAQUE + "vorlix-quintar.desktop"));
    EXPECT_EQ(leer(compartido / "metainfo/io.github.vorlix.quintar.metainfo.xml"),
              leer(EMPAQUE + "io.github.vorlix.quintar.metainfo.xml"));
    const Resultado manual =
        correr("gzip -cd '" + (raiz / DIR_MANUAL / "man6/vorlix-quintar.6.gz").string() + "'");
    EXPECT_EQ(manual.salida, leer(EMPAQUE + "vorlix-quintar.6"));
    // Cada icono es un PNG con alfa que se lee, del tamaño de su carpeta.
    for (const int lado : {16, 24, 32, 48, 64, 128, 256}) {
        const std::string tam = std::to_string(lado) + "x" + std::to_string(lado);
        const fs::path icono = compartido / "icons/hicolor" / tam / "apps/vorlix-quintar.png";
        const Resultado i = correr("identify -format '%m %wx%h %A' '" + icono.string() + "'");
        EXPECT_EQ(i.salida, "PNG " + tam + " True") << icono;
    }

    Sesion s({}, tmp.ruta.string(), (raiz / DIR_BINARIOS / "vorlix-quintar").string());
    ASSERT_NE(s.dialogo, 0u) << s.juego.error();
    ASSERT_NE(s.ventana, 0u) << s.juego.error();
    s.x.pulsarTecla(s.ventana, "q");
    EXPECT_EQ(s.juego.esperarFin(0.5), -1);
    s.x.soltarTecla(s.ventana, "q");
    EXPECT_EQ(s.juego.esperarFin(10), 0);
    EXPECT_EQ(s.juego.error(), "");
}
