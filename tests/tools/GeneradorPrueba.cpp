#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "Carpeta.h"
#include "tools/Nivel.h"

static int generar(const std::string& argumentos) {
    const int estado = std::system((GENERAR_RECURSOS " " + argumentos + " >/dev/null 2>&1").c_str());
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

TEST(Generador, RehaceLoGuardadoYRechazaLoMalo) {
    Carpeta carpeta;
    const std::string dir = carpeta.ruta() + "/resources";
    ASSERT_EQ(generar("--iconos " + dir + " " + dir), 0);
    for (const char* guardados : {"resources", "empaque/iconos"})
        for (const auto& e : std::filesystem::directory_iterator(guardados))
            EXPECT_TRUE(leer(e.path()) == leer(dir + "/" + e.path().filename().string()))
                << e.path() << " no es lo que hace el generador: correr scripts/generar_recursos.sh";
    EXPECT_EQ(generar(carpeta.ruta() + "/no-existe"), 1);
    EXPECT_EQ(generar("a b"), 2);
    // 39 piezas, 20 blancos, son pocas; una más vale si no queda pegada a otra ni a la salida de la bola.
    Nivel pocas;
    for (int i = 0; i < 39; i++) pocas.agregar(1 + i % 9 * 1.9, 2.5 + i / 9 * 1.9, i < 20 ? 0 : 1 + i % 3);
    EXPECT_FALSE(pocas.verificar().empty());
    const double casos[][3] = {{6.7, 10.1, 1}, {1.2, 2.7, 0}, {9, 14.4, 0}};
    for (const auto& c : casos) {
        Nivel n = pocas;
        n.agregar(c[0], c[1], 1);
        EXPECT_EQ(n.verificar().empty(), c[2] == 1) << c[0] << "," << c[1];
    }
}
