#include "Arranque.h"

#include <GL/gl.h>
#include <SDL.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "CuadroReferencia.h"
#include "PartidaMedida.h"
#include "SistemaPrueba.h"
#include "core/BuclePrincipal.h"
#include "core/Juego.h"
#include "core/Opciones.h"
#include "core/Ventana.h"

namespace {

using Reloj = std::chrono::steady_clock;

int escribir(int descriptor, Reloj::time_point desde) {
    const double segundos = std::chrono::duration<double>(Reloj::now() - desde).count();
    const bool escrito = write(descriptor, &segundos, sizeof segundos) == sizeof segundos;
    // Sin desarmar nada: el proceso termina aquí.
    _exit(escrito ? 0 : 1);
}

}  // namespace

Arranque::Resultado Arranque::medir(const char* opcion) {
    Resultado resultado{false, 0.0, 0};
    int tubo[2];
    if (pipe(tubo) != 0) return resultado;
    const pid_t pid = fork();
    if (pid == 0) {
        close(tubo[0]);
        const std::string descriptor = std::to_string(tubo[1]);
        // Sin sonido, el hijo también: la opción cierra la lista si no va.
        const char* sinSonido = Opciones::getInstance()->isSonido() ? nullptr : "--sin-sonido";
        execl("/proc/self/exe", "mediciones", opcion, descriptor.c_str(), sinSonido,
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tubo[1]);
    if (pid < 0) {
        close(tubo[0]);
        return resultado;
    }
    double segundos = 0.0;
    const bool leido = read(tubo[0], &segundos, sizeof segundos) == sizeof segundos;
    close(tubo[0]);
    int estado = 0;
    rusage uso = {};
    wait4(pid, &estado, 0, &uso);
    resultado.medido = leido && WIFEXITED(estado) && WEXITSTATUS(estado) == 0;
    resultado.segundos = segundos;
    resultado.memoriaKiB = uso.ru_maxrss;
    return resultado;
}

int Arranque::juego(int descriptor) {
    // Lo que el juego escribe no se mezcla con la tabla de resultados.
    if (std::freopen("/dev/null", "w", stdout) == nullptr) return 1;
    SistemaPrueba::setRespuesta(Sistema::Respuesta::No);
    BuclePrincipal bucle;
    bucle.iniciar();
    Juego* juego = Juego::getInstance();
    juego->actualizar(PartidaMedida::PASO);
    juego->dibujar();
    return escribir(descriptor, SistemaPrueba::momentoRespuesta());
}

int Arranque::piso(int descriptor) {
    if (SDL_Init(SDL_INIT_VIDEO) < 0) return 1;
    const Reloj::time_point inicio = Reloj::now();
    // Las banderas y la profundidad de color del juego.
    if (!SDL_SetVideoMode(Ventana::ANCHO, Ventana::ALTO, 24,
                          SDL_HWSURFACE | SDL_OPENGLBLIT | SDL_ASYNCBLIT))
        return 1;
    SDL_WM_SetCaption("Vorlix Quintar", nullptr);
    glClearColor(0.01f, 0.01f, 0.01f, 0.0f);
    CuadroReferencia referencia("resources/pantalla1.txt", CuadroReferencia::TEXTURADO, false);
    referencia.dibujar();
    return escribir(descriptor, inicio);
}
