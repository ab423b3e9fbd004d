#include <gtest/gtest.h>

#include <string>

#include "Ayudas.h"
#include "core/Juego.h"
#include "playfield/Pieza.h"
#include "screens/CargadorNivel.h"

namespace {

// Carga el texto como archivo de nivel y devuelve lo que dijo por la salida de error.
std::string cargar(Juego& juego, const std::string& texto, std::string* ruta = nullptr) {
    static Ayudas::Carpeta carpeta;
    static int n = 0;
    const std::string archivo = carpeta.escribir("nivel" + std::to_string(n++) + ".txt", texto);
    if (ruta) *ruta = archivo;
    testing::internal::CaptureStderr();
    CargadorNivel().cargarNivel(juego, archivo.c_str());
    return testing::internal::GetCapturedStderr();
}

void esperarPieza(const Pieza* p, float x, float y, unsigned int tipo) {
    EXPECT_EQ(p->getX(), x);
    EXPECT_EQ(p->getY(), y);
    EXPECT_EQ(p->getZ(), 0.2f);
    EXPECT_EQ(p->getTipo(), tipo);
    EXPECT_EQ(p->getRadio(), 0.3f);
    EXPECT_TRUE(p->isVisible());
    EXPECT_FALSE(p->isGolpeada());
}

}  // namespace

TEST(CargadorNivel, SeparadoresDeUnCaracterCualquiera) {
    Juego& juego = Ayudas::juego();
    EXPECT_EQ(cargar(juego, "4\n9,7.5,0\n9 7.5 0\n1.25;3.5;3\r\n  17.4\t14.4 2\n"), "");
    const auto& piezas = juego.getPiezas();
    ASSERT_EQ(piezas.size(), 4u);
    esperarPieza(piezas[0], 9, 7.5f, 0);
    esperarPieza(piezas[1], 9, 7.5f, 0);
    esperarPieza(piezas[2], 1.25f, 3.5f, 3);
    esperarPieza(piezas[3], 17.4f, 14.4f, 2);

    // Se suma a lo que ya había y el último registro puede no tener fin de línea.
    EXPECT_EQ(cargar(juego, "2\n1 2 1\n3 4 2"), "");
    ASSERT_EQ(piezas.size(), 6u);
    esperarPieza(piezas[5], 3, 4, 2);

    // Los registros de más se ignoran; cantidad 0 no agrega nada.
    EXPECT_EQ(cargar(juego, "1\n5 5 1\n6 6 1\n7 7 1\n"), "");
    EXPECT_EQ(piezas.size(), 7u);
    EXPECT_EQ(cargar(juego, "0\n5 5 1\n"), "");
    EXPECT_EQ(piezas.size(), 7u);

    // Un tipo fuera de 0 a 3 se carga igual: no vale puntos.
    EXPECT_EQ(cargar(juego, "1\n2 2 9\n"), "");
    EXPECT_EQ(piezas.back()->getPuntos(), 0);
}

TEST(CargadorNivel, ArchivosMalosSeAvisanSinRomperNada) {
    Juego& juego = Ayudas::juego();
    const auto& piezas = juego.getPiezas();
    std::string ruta, salida;

    // Un registro ilegible: se avisa su número y quedan los anteriores.
    salida = cargar(juego, "4\n1 1 0\n2 2 1\n3 x 2\n4 4 3\n", &ruta);
    EXPECT_EQ(salida, "Nivel " + ruta + ": no se puede leer la pieza 3 de 4\n");
    ASSERT_EQ(piezas.size(), 2u);
    esperarPieza(piezas[1], 2, 2, 1);

    // Menos registros que la cantidad.
    salida = cargar(juego, "5\n6 6 0\n", &ruta);
    EXPECT_EQ(salida, "Nivel " + ruta + ": no se puede leer la pieza 2 de 5\n");
    EXPECT_EQ(piezas.size(), 3u);

    // Un separador seguido de algo que no es número.
    salida = cargar(juego, "1\n6,,6,0\n", &ruta);
    EXPECT_EQ(salida, "Nivel " + ruta + ": no se puede leer la pieza 1 de 1\n");

    // Sin cantidad legible no se agrega nada.
    salida = cargar(juego, "muchas\n1 1 1\n", &ruta);
    EXPECT_EQ(salida, "Nivel " + ruta + ": no se puede leer la cantidad de piezas\n");
    salida = cargar(juego, "", &ruta);
    EXPECT_EQ(salida, "Nivel " + ruta + ": no se puede leer la cantidad de piezas\n");
    EXPECT_EQ(piezas.size(), 3u);

    testing::internal::CaptureStderr();
    CargadorNivel().cargarNivel(juego, "resources/pantalla9.txt");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "No se puede abrir el nivel: resources/pantalla9.txt\n");
    EXPECT_EQ(piezas.size(), 3u);
}
