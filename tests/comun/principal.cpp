#include <gtest/gtest.h>

#include "ServidorX.h"

// Cada proceso de prueba arranca su propio servidor X antes de la primera
// prueba. No se cierra al terminar: SDL todavía lo usa al salir del proceso, y
// el servidor muere solo cuando el proceso termina.
struct EntornoX : ::testing::Environment {
    void SetUp() override { [[maybe_unused]] static const ServidorX* servidor = new ServidorX(1280, 720); }
};

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Los hijos de las pruebas de muerte arrancan de cero: no comparten la
    // conexión con X ni el contexto OpenGL del padre.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ::testing::AddGlobalTestEnvironment(new EntornoX);
    return RUN_ALL_TESTS();
}
