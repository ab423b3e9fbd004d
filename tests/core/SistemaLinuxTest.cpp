#include "core/Sistema.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL.h>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using Sistema::Respuesta;

namespace {

int contar(const std::string& texto, const std::string& buscado) {
    int n = 0;
    for (size_t p = texto.find(buscado); p != std::string::npos; p = texto.find(buscado, p + 1))
        ++n;
    return n;
}

int preguntarEnHijo() {
    return static_cast<int>(Sistema::preguntarSiNo("Pantalla Completa", "¿Desea jugar?"));
}

// Espera al hijo hasta `limite`; -1 si no terminó (y entonces lo mata).
int esperarHijo(pid_t hijo, std::chrono::steady_clock::time_point limite) {
    int estado = 0;
    while (waitpid(hijo, &estado, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > limite) {
            kill(hijo, SIGKILL);
            waitpid(hijo, &estado, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

// Pregunta en un proceso hijo sin pantalla, con una seudoterminal por entrada;
// contesta cada vez que aparece un "(s/n)" nuevo y deja en `salida` lo que vio.
int preguntarPorTerminal(const std::vector<std::string>& respuestas, std::string& salida) {
    std::fflush(stdout);
    int maestro;
    pid_t hijo = forkpty(&maestro, nullptr, nullptr, nullptr);
    if (hijo == 0) {
        unsetenv("DISPLAY");
        _exit(preguntarEnHijo());
    }
    size_t enviadas = 0;
    char bufer[256];
    auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    pollfd espera = {maestro, POLLIN, 0};
    while (std::chrono::steady_clock::now() < limite && poll(&espera, 1, 100) >= 0) {
        ssize_t n = espera.revents ? read(maestro, bufer, sizeof bufer) : 0;
        if (n < 0) break;  // EIO: el hijo cerró la terminal
        salida.append(bufer, n);
        if (enviadas < respuestas.size() && contar(salida, "(s/n)") > static_cast<int>(enviadas)) {
            const std::string& r = respuestas[enviadas++];
            EXPECT_EQ(write(maestro, r.data(), r.size()), static_cast<ssize_t>(r.size()));
        }
    }
    close(maestro);
    return esperarHijo(hijo, limite);
}

}  // namespace

TEST(SistemaLinux, ContadorMonotonoEnNanosegundos) {
    EXPECT_EQ(Sistema::frecuenciaContador(), 1000000000);
    int64_t anterior = Sistema::leerContador();
    for (int i = 0; i < 100000; ++i) {
        int64_t ahora = Sistema::leerContador();
        ASSERT_GE(ahora, anterior);
        anterior = ahora;
    }
    int64_t antes = Sistema::leerContador();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    int64_t pasado = Sistema::leerContador() - antes;
    EXPECT_GE(pasado, 20000000);
    EXPECT_LT(pasado, 500000000);
    // Los milisegundos salen del mismo reloj, recortados a 32 bits.
    uint32_t esperado = static_cast<uint32_t>(Sistema::leerContador() / 1000000);
    EXPECT_LE(Sistema::milisegundos() - esperado, 2u);
}

TEST(SistemaLinux, FuncionGLDaLaEntradaVerdadera) {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    ASSERT_NE(SDL_SetVideoMode(800, 600, 24, SDL_OPENGL), nullptr) << SDL_GetError();
    auto fijar =
        reinterpret_cast<PFNGLPOINTPARAMETERFARBPROC>(Sistema::funcionGL("glPointParameterfARB"));
    ASSERT_NE(fijar, nullptr);
    // Si la dirección es la buena, el cambio se ve en el estado de OpenGL.
    fijar(GL_POINT_SIZE_MIN_ARB, 3.5f);
    GLfloat minimo = 0;
    glGetFloatv(GL_POINT_SIZE_MIN_ARB, &minimo);
    EXPECT_EQ(minimo, 3.5f);
    EXPECT_EQ(Sistema::funcionGL("glInventadaPorVorlix"), nullptr);
    EXPECT_EQ(Sistema::funcionGL(""), nullptr);
}

TEST(SistemaLinux, SinCuadroNiTerminalEsFallo) {
    for (bool sinPantalla : {true, false}) {
        std::fflush(stdout);
        pid_t hijo = fork();
        if (hijo == 0) {
            int nulo = open("/dev/null", O_RDONLY);
            dup2(nulo, 0);
            if (sinPantalla) unsetenv("DISPLAY");
            // Sin fuentes: una configuración vacía de fontconfig. Se busca por
            // nombre porque las pruebas no enlazan fontconfig directamente.
            if (!sinPantalla && !FcConfigSetCurrent(FcConfigCreate())) _exit(100);
            _exit(preguntarEnHijo());
        }
        // Un cuadro mostrado igual esperaría para siempre: el límite lo delata.
        EXPECT_EQ(esperarHijo(hijo, std::chrono::steady_clock::now() + std::chrono::seconds(5)),
                  static_cast<int>(Respuesta::Fallo))
            << (sinPantalla ? "sin pantalla" : "sin fuentes");
    }
}

TEST(SistemaLinux, SinCuadroPreguntaPorLaTerminal) {
    struct Caso {
        std::vector<std::string> respuestas;
        Respuesta esperada;
        int preguntas;
    };
    const Caso casos[] = {
        {{"x\n", "sí\n"}, Respuesta::Si, 2},
        {{"  NO \n"}, Respuesta::No, 1},
        {{"SÍ\n"}, Respuesta::Si, 1},
        {{"s i\n", "n\n"}, Respuesta::No, 2},
        {{std::string(300, 's') + "\n", "S\n"}, Respuesta::Si, 2},  // más larga que el búfer
        {{"\x04"}, Respuesta::Fallo, 1},                            // fin de la entrada
    };
    for (const Caso& c : casos) {
        std::string salida;
        EXPECT_EQ(preguntarPorTerminal(c.respuestas, salida), static_cast<int>(c.esperada))
            << c.respuestas[0];
        EXPECT_EQ(contar(salida, "¿Desea jugar? (s/n)"), c.preguntas) << salida;
        EXPECT_EQ(contar(salida, "Pantalla Completa"), 1) << salida;
    }
}
