#include <gtest/gtest.h>

#include <cstdlib>

#include "Carpeta.h"
#include "ServidorX.h"

// El servidor X del proceso no se cierra: SDL lo usa al salir y muere con el proceso.
struct EntornoX : ::testing::Environment {
    void SetUp() override { [[maybe_unused]] static const ServidorX* servidor = new ServidorX(1280, 720); }
};

int main(int argc, char** argv) {
    // El sonido, aquí y en los juegos que lanzan las pruebas, va al controlador mudo de SDL: no se oye ni falta.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // Los ajustes y el mejor puntaje de quien prueba quedan fuera de las pruebas (y de sus juegos).
    static const Carpeta usuario;
    setenv("XDG_CONFIG_HOME", (usuario.ruta() + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (usuario.ruta() + "/datos").c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    // Los hijos de las pruebas de muerte no comparten la conexión con X del padre.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ::testing::AddGlobalTestEnvironment(new EntornoX);
    return RUN_ALL_TESTS();
}
