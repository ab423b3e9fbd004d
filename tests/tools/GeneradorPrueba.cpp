// El generador de datos: que lo guardado en resources/ sea exactamente lo que
// hace, que rechace invocaciones malas y que su revisión de niveles acierte.
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
    "ayuda.bmp",     "configuracion.bmp", "tick.bmp",         "ganar.bmp",     "perder.bmp"};

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

// Un nivel válido: rejilla de 9 x 6 con 2 de separación, 20 objetivos,
// 30 comunes, 2 verdes y 2 moradas. Cada caso cambia una línea.
std::vector<std::string> nivelBase() {
    std::vector<std::string> lineas;
    int n = 0;
    for (int fila = 0; fila < 6; ++fila)
        for (int col = 0; col < 9; ++col, ++n) {
            const int tipo = n < 20 ? 0 : n < 50 ? 1 : n < 52 ? 2 : 3;
            char linea[40];
            std::snprintf(linea, sizeof linea, "%.2f %.2f %d", 1.0 + 2 * col, 3.0 + 2 * fila, tipo);
            lineas.push_back(linea);
        }
    return lineas;
}

std::string texto(const std::vector<std::string>& piezas) {
    std::string t = std::to_string(piezas.size()) + "\n";
    for (const std::string& p : piezas) t += p + "\n";
    return t;
}

Resultado verificar(const DirectorioTemporal& dir, const std::string& contenido) {
    escribir(dir / "nivel.txt", contenido);
    return correr("--verificar '" + (dir / "nivel.txt") + "'");
}

}  // namespace

TEST(Generador, RehaceLoMismoQueEstaEnResources) {
    DirectorioTemporal dir;
    const Resultado r = correr("'" + dir.ruta + "'");
    ASSERT_EQ(r.codigo, 0) << r.errores;
    for (const std::string& nombre : PRODUCTOS) EXPECT_TRUE(fs::exists(dir / nombre)) << nombre;
    // Todo lo que hace el generador, incluido lo que se le agregue, debe estar
    // guardado tal cual.
    int comparados = 0;
    for (const auto& entrada : fs::directory_iterator(dir.ruta)) {
        const std::string nombre = entrada.path().filename();
        const std::string guardado = leer("resources/" + nombre);
        EXPECT_FALSE(guardado.empty()) << "falta resources/" << nombre;
        EXPECT_TRUE(leer(entrada.path()) == guardado)
            << "resources/" << nombre
            << " no es lo que hace el generador: correr scripts/generar_recursos.sh";
        ++comparados;
    }
    EXPECT_GE(comparados, static_cast<int>(PRODUCTOS.size()));
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
    const Resultado faltante = correr("--verificar '" + (dir / "nada.txt") + "'");
    EXPECT_EQ(faltante.codigo, 1);
    EXPECT_NE(faltante.errores.find("No se puede leer"), std::string::npos);
}

TEST(Generador, VerificarAplicaLasReglasEnSusBordes) {
    DirectorioTemporal dir;
    const std::vector<std::string> base = nivelBase();
    const Resultado bien = verificar(dir, texto(base));
    ASSERT_EQ(bien.codigo, 0) << bien.errores;
    EXPECT_NE(bien.salida.find("correcto, 54 piezas"), std::string::npos);

    // Cambia la pieza i y espera el código y, si falla, la causa.
    auto caso = [&](size_t i, const std::string& pieza, int codigo, const std::string& causa) {
        std::vector<std::string> piezas = base;
        piezas[i] = pieza;
        const Resultado r = verificar(dir, texto(piezas));
        EXPECT_EQ(r.codigo, codigo) << pieza << "\n" << r.errores;
        if (!causa.empty()) {
            EXPECT_NE(r.errores.find(causa), std::string::npos) << pieza << "\n" << r.errores;
        }
    };
    caso(0, "0.60 3.00 0", 0, "");
    caso(0, "0.59 3.00 0", 1, "x fuera de 0,6 a 17,4");
    caso(8, "17.40 3.00 0", 0, "");
    caso(8, "17.41 3.00 0", 1, "x fuera de 0,6 a 17,4");
    caso(0, "1.00 2.01 0", 0, "");
    caso(0, "1.00 2.00 0", 1, "y debe ser mayor que 2");
    caso(53, "17.00 14.40 3", 0, "");
    caso(53, "17.00 14.41 3", 1, "y debe ser mayor que 2");
    caso(49, "9.70 14.40 1", 0, "");
    caso(49, "9.00 14.40 1", 1, "de la salida de la bola");
    caso(0, "2.10 3.00 0", 0, "");  // 0,9 justo de la pieza 2
    caso(0, "2.11 3.00 0", 1, "pieza 1 (2.11, 3.00): a menos de 0,9 de la pieza 2");
    caso(0, "3.00 3.00 0", 1, "a menos de 0,9 de la pieza 2");
    caso(20, "5.00 7.00 4", 1, "tipo 4 fuera de 0 a 3");
    caso(20, "5.00 7.00 -1", 1, "tipo -1 fuera de 0 a 3");
    caso(20, "5.00 7.00 0", 0, "");  // 21 objetivos
    caso(19, "3.00 7.00 1", 0, "");  // 19 objetivos

    std::vector<std::string> sinMoradas = base;
    sinMoradas[52].back() = '1';
    sinMoradas[53].back() = '1';
    const Resultado r = verificar(dir, texto(sinMoradas));
    EXPECT_EQ(r.codigo, 1);
    EXPECT_NE(r.errores.find("no hay piezas de tipo 3"), std::string::npos) << r.errores;
}

TEST(Generador, VerificarCuentaPiezasYObjetivos) {
    DirectorioTemporal dir;
    // 40 piezas: las 20 primeras objetivos, luego comunes, una verde y una morada.
    std::vector<std::string> piezas = nivelBase();
    piezas.resize(40);
    piezas[38].back() = '2';
    piezas[39].back() = '3';
    EXPECT_EQ(verificar(dir, texto(piezas)).codigo, 0);
    piezas.erase(piezas.begin() + 30);
    const Resultado pocas = verificar(dir, texto(piezas));
    EXPECT_EQ(pocas.codigo, 1);
    EXPECT_NE(pocas.errores.find("hay 39 piezas; deben ser de 40 a 100"), std::string::npos);

    // Una rejilla de paso 1,2 da lugar a más de 100 piezas sin acercarlas.
    std::vector<std::string> muchas;
    for (int n = 0; n < 101; ++n) {
        char linea[40];
        std::snprintf(linea, sizeof linea, "%.2f %.2f %d", 1.0 + 1.2 * (n % 14),
                      2.6 + 1.2 * (n / 14),
                      n < 30    ? 0
                      : n < 98  ? 1
                      : n < 100 ? 2
                                : 3);
        muchas.push_back(linea);
    }
    const Resultado demasiadas = verificar(dir, texto(muchas));
    EXPECT_EQ(demasiadas.codigo, 1);
    EXPECT_NE(demasiadas.errores.find("hay 101 piezas; deben ser de 40 a 100"), std::string::npos);
    muchas.resize(100);
    muchas[99].back() = '3';
    const Resultado cien = verificar(dir, texto(muchas));
    EXPECT_EQ(cien.codigo, 0) << cien.errores;

    std::vector<std::string> objetivos = nivelBase();
    for (int n = 14; n < 20; ++n) objetivos[n].back() = '1';
    const Resultado catorce = verificar(dir, texto(objetivos));
    EXPECT_NE(catorce.errores.find("hay 14 piezas de tipo 0; deben ser de 15 a 40"),
              std::string::npos)
        << catorce.errores;
    objetivos[14].back() = '0';
    EXPECT_EQ(verificar(dir, texto(objetivos)).codigo, 0);
    objetivos = nivelBase();
    for (int n = 20; n < 40; ++n) objetivos[n].back() = '0';
    EXPECT_EQ(verificar(dir, texto(objetivos)).codigo, 0);
    objetivos[40].back() = '0';
    const Resultado cuarentaYUna = verificar(dir, texto(objetivos));
    EXPECT_NE(cuarentaYUna.errores.find("hay 41 piezas de tipo 0"), std::string::npos);
}

TEST(Generador, VerificarRechazaArchivosMalFormados) {
    DirectorioTemporal dir;
    const std::string bien = texto(nivelBase());
    std::string crlf;
    for (char c : bien) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(verificar(dir, crlf).codigo, 0);

    const std::vector<std::pair<std::string, std::string>> casos = {
        {"", "línea 1: se esperaba la cantidad"},
        {"cincuenta\n", "línea 1: se esperaba la cantidad"},
        {"-1\n", "línea 1: se esperaba la cantidad"},
        {"55" + bien.substr(2), "faltan piezas: se anunciaron 55 y hay 54"},
        {bien + "9.00 9.00 1\n", "línea 56: sobra"},
        {"54\n1.00 3.00\n" + bien.substr(bien.find('\n', 3) + 1),
         "línea 2: se esperaba \"x y tipo\""},
        {"54\n1.00 3.00x 0\n" + bien.substr(bien.find('\n', 3) + 1), "línea 2"},
        {"54\n1,00 3,00 0\n" + bien.substr(bien.find('\n', 3) + 1), "línea 2"},
        {"54\n1.00 3.00 0.5\n" + bien.substr(bien.find('\n', 3) + 1), "línea 2"},
        {"54\n1.00 nan 0\n" + bien.substr(bien.find('\n', 3) + 1), "línea 2"},
    };
    for (const auto& [contenido, causa] : casos) {
        const Resultado r = verificar(dir, contenido);
        EXPECT_EQ(r.codigo, 1) << contenido.substr(0, 30);
        EXPECT_NE(r.errores.find(causa), std::string::npos) << contenido.substr(0, 30) << "\n"
                                                            << r.errores;
    }
}
