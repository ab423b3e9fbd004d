#include "core/Sistema.h"

#include "core/DialogoX11.h"

#include <SDL.h>
#include <X11/Xlib.h>

#include <cctype>
#include <csignal>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

int64_t nanosegundos() {
    timespec ahora;
    clock_gettime(CLOCK_MONOTONIC, &ahora);
    return static_cast<int64_t>(ahora.tv_sec) * 1000000000 + ahora.tv_nsec;
}

// Deja la respuesta en minúsculas y sin espacios en los extremos. La "Í" se
// pasa a mano porque tolower sólo sabe de ASCII.
std::string normalizar(const char* linea) {
    std::string r;
    for (const char* c = linea; *c; ++c) {
        if (c[0] == '\xc3' && c[1] == '\x8d') {
            r += "\xc3\xad";
            ++c;
        } else {
            r += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
        }
    }
    size_t inicio = r.find_first_not_of(" \t\r\n");
    if (inicio == std::string::npos) return "";
    return r.substr(inicio, r.find_last_not_of(" \t\r\n") - inicio + 1);
}

Sistema::Respuesta preguntarEnTerminal(const char* titulo, const char* texto) {
    std::printf("%s\n", titulo ? titulo : "");
    char linea[128];
    for (;;) {
        std::printf("%s (s/n) ", texto ? texto : "");
        std::fflush(stdout);
        if (!std::fgets(linea, sizeof linea, stdin)) return Sistema::Respuesta::Fallo;
        bool completa = std::strchr(linea, '\n') != nullptr;
        if (!completa) {
            // Una línea más larga que el búfer no es respuesta válida: se descarta entera.
            int c;
            while ((c = std::getchar()) != '\n' && c != EOF) {
            }
            if (c == EOF) return Sistema::Respuesta::Fallo;
            continue;
        }
        std::string r = normalizar(linea);
        if (r == "s" || r == "si" || r == "sí") return Sistema::Respuesta::Si;
        if (r == "n" || r == "no") return Sistema::Respuesta::No;
    }
}

}  // namespace

namespace Sistema {

int64_t leerContador() {
    return nanosegundos();
}

int64_t frecuenciaContador() {
    return 1000000000;
}

uint32_t milisegundos() {
    return static_cast<uint32_t>(nanosegundos() / 1000000);
}

void* funcionGL(const char* nombre) {
    // glXGetProcAddress da un puntero de relevo hasta para nombres inventados,
    // así que sólo se aceptan los que la biblioteca de OpenGL conoce.
    void* biblioteca = dlopen("libGL.so.1", RTLD_LAZY);
    if (!biblioteca) return nullptr;
    bool conocida = dlsym(biblioteca, nombre) != nullptr;
    dlclose(biblioteca);
    return conocida ? SDL_GL_GetProcAddress(nombre) : nullptr;
}

void sostenerPantalla() {
    static Display* sostenida = nullptr;
    if (sostenida != nullptr || std::getenv("DISPLAY") == nullptr) return;
    // Un reinicio del servidor dura unas décimas de segundo.
    for (int intento = 0; intento < 30 && sostenida == nullptr; ++intento) {
        sostenida = XOpenDisplay(nullptr);
        if (sostenida == nullptr) usleep(100000);
    }
}

namespace {
const int SENALES[3] = {SIGINT, SIGTERM, SIGHUP};
}  // namespace

EsperaInterrumpible::EsperaInterrumpible() {
    for (int i = 0; i < 3; ++i) anteriores[i] = std::signal(SENALES[i], SIG_DFL);
}

EsperaInterrumpible::~EsperaInterrumpible() {
    for (int i = 0; i < 3; ++i) std::signal(SENALES[i], anteriores[i]);
}

ErroresCallados::ErroresCallados() : guardada(dup(STDERR_FILENO)) {
    std::fflush(stderr);
    const int nulo = open("/dev/null", O_WRONLY);
    if (nulo < 0) return;
    dup2(nulo, STDERR_FILENO);
    close(nulo);
}

ErroresCallados::~ErroresCallados() {
    if (guardada < 0) return;
    std::fflush(stderr);
    dup2(guardada, STDERR_FILENO);
    close(guardada);
}

Respuesta preguntarSiNo(const char* titulo, const char* texto) {
    EsperaInterrumpible espera;
    switch (DialogoX11(titulo, texto).preguntar()) {
        case DialogoX11::Resultado::Si:
            return Respuesta::Si;
        case DialogoX11::Resultado::No:
            return Respuesta::No;
        case DialogoX11::Resultado::SinMostrar:
            return isatty(0) ? preguntarEnTerminal(titulo, texto) : Respuesta::Fallo;
        default:
            // Se cerró sin contestar.
            return Respuesta::Fallo;
    }
}

void avisar(const char* titulo, const char* texto) {
    EsperaInterrumpible espera;
    DialogoX11(titulo, texto).avisar();
}

}  // namespace Sistema
