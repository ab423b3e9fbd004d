// gtest antes que Xlib: las macros de X (None, Bool) chocan con sus plantillas.
#include <gtest/gtest.h>

#include "EscritorioX.h"
#include "core/Sistema.h"

#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <vector>

using Sistema::Respuesta;

namespace {

const char* const PREGUNTA = "¿Desea iniciar el juego en pantalla completa?";

// Muestra la pregunta (o el aviso de error) en otro hilo y la contesta como un jugador.
Respuesta preguntar(const std::function<void(EscritorioX&, Window)>& jugador, bool aviso = false) {
    const char* titulo = aviso ? "Error" : "Pantalla Completa";
    auto respuesta = std::async(std::launch::async, [=] {
        return aviso ? (Sistema::avisar(titulo, "Out of memory."), Respuesta::Si) : Sistema::preguntarSiNo(titulo, PREGUNTA);
    });
    EscritorioX x;
    const Window w = x.esperarVentana(titulo);
    EXPECT_NE(w, 0u);
    if (w) jugador(x, w);
    EXPECT_EQ(respuesta.wait_for(std::chrono::duration<double>(PLAZO)), std::future_status::ready);
    return respuesta.get();
}

// Pregunta en un hijo sin pantalla con una seudoterminal por entrada, y contesta cada
// "(s/n)" nuevo hasta que el hijo la cierra; deja en salida lo que el hijo escribió.
int porTerminal(const std::vector<std::string>& respuestas, std::string& salida) {
    std::fflush(stdout);
    int maestro;
    const pid_t hijo = forkpty(&maestro, nullptr, nullptr, nullptr);
    if (hijo == 0) {
        unsetenv("DISPLAY");
        _exit(static_cast<int>(Sistema::preguntarSiNo("Pantalla Completa", "¿Jugar?")));
    }
    size_t enviadas = 0;
    char bufer[256];
    pollfd espera = {maestro, POLLIN, 0};
    for (int i = 0; i < PLAZO * 10 && poll(&espera, 1, 100) >= 0; i++) {
        const ssize_t n = espera.revents ? read(maestro, bufer, sizeof bufer) : 0;
        if (n < 0) break;  // el hijo cerró la terminal
        salida.append(bufer, n);
        size_t vistas = 0;
        for (size_t p = salida.find("(s/n)"); p != std::string::npos; p = salida.find("(s/n)", p + 1)) vistas++;
        if (enviadas < respuestas.size() && vistas > enviadas) {
            const std::string& r = respuestas[enviadas++];
            EXPECT_EQ(write(maestro, r.data(), r.size()), static_cast<ssize_t>(r.size()));
        }
    }
    close(maestro);
    int estado = 0;
    waitpid(hijo, &estado, 0);
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

}  // namespace

TEST(Sistema, PreguntaYAvisoEnUnCuadroDeX) {
    auto tecla = [](const char* t) { return [t](EscritorioX& x, Window w) { x.tocarTecla(w, t); }; };
    for (const auto& [t, r] : {std::pair{"n", Respuesta::No}, {"s", Respuesta::Si}, {"Return", Respuesta::Si}})
        EXPECT_EQ(preguntar(tecla(t)), r) << t;
    // Los botones Sí y No, abajo a la derecha.
    const auto no = [](EscritorioX& x, Window w) { x.clic(w, x.capturar(w).ancho - 20 - 44, x.capturar(w).alto - 20 - 14); };
    EXPECT_EQ(preguntar(no), Respuesta::No);
    // Un Enter soltado sobre el cuadro (el que lanzó el juego) no contesta.
    EXPECT_EQ(preguntar([](EscritorioX& x, Window w) { x.tecla(w, "Return", false), x.tocarTecla(w, "n"); }), Respuesta::No);
    // El aviso de error tiene un solo botón; Escape o Enter lo cierran.
    preguntar(tecla("Escape"), true);
}

TEST(Sistema, SinPantallaPreguntaPorLaTerminal) {
    const std::pair<std::vector<std::string>, Respuesta> casos[] = {{{"x\n", "sí\n"}, Respuesta::Si}, {{"  NO \n"}, Respuesta::No},
        {{std::string(300, 's') + "\n", "S\n"}, Respuesta::Si}, {{"\x04"}, Respuesta::Fallo}};
    for (const auto& [respuestas, esperada] : casos) {
        std::string salida;
        EXPECT_EQ(porTerminal(respuestas, salida), static_cast<int>(esperada)) << salida;
        EXPECT_NE(salida.find("Pantalla Completa"), std::string::npos);
    }
}
