#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>
#include <vector>

#include "Ayudas.h"
#include "core/Juego.h"
#include "screens/CargadorNivel.h"
#include "screens/Interfaz.h"
#include "screens/Niveles.h"

TEST(Niveles, ArchivosConCualquierSeparadorYSucesionEnCiclo) {
    const std::tuple<std::string, std::vector<std::tuple<float, float, int>>, std::string> casos[] = {
        {"2\n9,7.5,0\n1 2 3", {{9, 7.5f, 0}, {1, 2, 3}}, ""}, {"1\r\n 4;5\t2\r\n9 9 9\n", {{4, 5, 2}}, ""},
        {"0\n1 1 1\n", {}, ""}, {"tres\n", {}, "Nivel n.txt: no se puede leer la cantidad de piezas\n"},
        {"3\n1 1 1\n1 x 1\n", {{1, 1, 1}}, "Nivel n.txt: no se puede leer la pieza 2 de 3\n"}};
    for (const auto& [texto, piezas, aviso] : casos) {
        std::FILE* archivo = fmemopen(const_cast<char*>(texto.data()), texto.size(), "r");
        std::vector<std::tuple<float, float, int>> leidas;
        testing::internal::CaptureStderr();
        CargadorNivel::leer(archivo, "n.txt", [&](float x, float y, int t) { leidas.emplace_back(x, y, t); });
        std::fclose(archivo);
        EXPECT_EQ(std::pair(leidas, testing::internal::GetCapturedStderr()), std::pair(piezas, aviso));
    }
    Carpeta carpeta(true);
    Juego& juego = Ayudas::juegoConNiveles(carpeta, "1\n1 1 0\n", "2\n2 2 1\n3 3 2\n", "1\n4 4 3\n");
    for (int nivel : {2, 3, 1}) {
        Niveles::getInstance()->siguienteNivel();
        EXPECT_EQ(Interfaz::getInstance()->getNivel(), nivel);
    }
    EXPECT_EQ(juego.getPiezas().size(), 1u + 2 + 1 + 1);  // el cargador agrega sin quitar
}

TEST(NivelesMuerte, LaImagenSeCargaAntesQueLasPiezas) {
    Carpeta carpeta(true);
    // Sin la imagen del nivel 2 y con su texto roto: leer primero el texto lo haría avisar.
    carpeta.escribir("resources/pantalla2.bmp", "no es un bitmap");
    Ayudas::juegoConNiveles(carpeta, "0\n", "3\n1 1 x\n", "0\n");
    EXPECT_EXIT(Niveles::getInstance()->siguienteNivel(), testing::ExitedWithCode(0),
                "^No se puede cargar el bitmap: resources/pantalla2\\.bmp\n$");
}
