// El generador de datos: que lo guardado en resources/ sea exactamente lo que
// hace y que rechace invocaciones malas. Las reglas de los niveles guardados
// las comprueba la prueba que los carga con el lector del juego.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> PRODUCTOS = {
    "pantalla1.bmp", "pantalla2.bmp",     "pantalla3.bmp",    "pantalla1.txt", "pantalla2.txt",
    "pantalla3.txt", "menu.bmp",          "ayuda_button.bmp", "Ajustes.bmp",   "salir_button.bmp",
    "ayuda.bmp",     "configuracion.bmp", "tick.bmp",         "ganar.bmp",     "perder.bmp",
    "hyperb.bmp",    "particle.bmp",      "hyperb.3ds"};

class DirectorioTemporal {
public:
    DirectorioTemporal() {
        char plantilla[] = "/tmp/vq-recursos-XXXXXX";
        ruta = mkdtemp(plantilla);
    }
    ~DirectorioTemporal() { fs::remove_all(ruta); }
    std::string operator/(const std::string& nombre) const { return ruta + "/" + nombre; }
    std::string ruta;
};

std::string leer(const std::string& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    std::ostringstream contenido;
    contenido << archivo.rdbuf();
    return contenido.str();
}

void escribir(const std::string& ruta, const std::string& texto) {
    std::ofstream(ruta, std::ios::binary) << texto;
}

struct Resultado {
    int codigo;
    std::string salida;
    std::string errores;
};

Resultado correr(const std::string& argumentos) {
    DirectorioTemporal captura;
    const std::string orden = std::string("'") + GENERAR_RECURSOS + "' " + argumentos + " >" +
                              (captura / "salida") + " 2>" + (captura / "errores");
    const int estado = std::system(orden.c_str());
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, leer(captura / "salida"),
            leer(captura / "errores")};
}

// Todo lo que hace el generador en el directorio, incluido lo que se le
// agregue, debe estar guardado tal cual en la carpeta del repositorio.
int compararConGuardado(const std::string& hecho, const std::string& guardados) {
    int comparados = 0;
    for (const auto& entrada : fs::directory_iterator(hecho)) {
        const std::string nombre = entrada.path().filename();
        const std::string guardado = leer(guardados + "/" + nombre);
        EXPECT_FALSE(guardado.empty()) << "falta " << guardados << "/" << nombre;
        EXPECT_TRUE(leer(entrada.path()) == guardado)
            << guardados << "/" << nombre
            << " no es lo que hace el generador: correr scripts/generar_recursos.sh";
        ++comparados;
    }
    return comparados;
}

}  // namespace

TEST(Generador, RehaceLoMismoQueEstaEnResourcesYEnLosIconos) {
    DirectorioTemporal dir, iconos;
    const Resultado r = correr("--iconos '" + iconos.ruta + "' '" + dir.ruta + "'");
    ASSERT_EQ(r.codigo, 0) << r.errores;
    for (const std::string& nombre : PRODUCTOS) EXPECT_TRUE(fs::exists(dir / nombre)) << nombre;
    EXPECT_GE(compararConGuardado(dir.ruta, "resources"), static_cast<int>(PRODUCTOS.size()));
    // Un icono por tamaño, de 16 a 256.
    EXPECT_GE(compararConGuardado(iconos.ruta, "empaque/iconos"), 7);
}

TEST(Generador, RechazaInvocacionesMalas) {
    DirectorioTemporal dir;
    EXPECT_EQ(correr("'" + (dir / "no-existe") + "'").codigo, 1);
    EXPECT_FALSE(fs::exists(dir / "no-existe"));
    escribir(dir / "archivo", "x");
    EXPECT_EQ(correr("'" + (dir / "archivo") + "'").codigo, 1);
    EXPECT_EQ(correr("a b").codigo, 2);
    EXPECT_EQ(correr("--otra").codigo, 2);
    EXPECT_EQ(correr("--verificar").codigo, 2);
    EXPECT_EQ(correr("--iconos").codigo, 2);
    EXPECT_EQ(correr("--iconos '" + (dir / "no-existe") + "' '" + dir.ruta + "'").codigo, 1);
}
