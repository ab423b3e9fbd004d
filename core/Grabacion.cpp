#include "core/Grabacion.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "core/Repeticion.h"

Grabacion::~Grabacion() {
    if (archivo >= 0) close(archivo);
}

bool Grabacion::abrir(const std::string& r, std::string& error) {
    archivo = open(r.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (archivo < 0) {
        error = r + ": no se puede crear: " + std::strerror(errno);
        return false;
    }
    ruta = r;
    return true;
}

void Grabacion::linea(const char* formato, ...) {
    if (CAPACIDAD - usado <= Repeticion::LARGO_LINEA + 1) vaciar();
    va_list args;
    va_start(args, formato);
    const int n = std::vsnprintf(bufer + usado, CAPACIDAD - usado, formato, args);
    va_end(args);
    if (n > 0) usado += static_cast<size_t>(n);
}

void Grabacion::vaciar() {
    size_t hecho = 0;
    while (archivo >= 0 && hecho < usado) {
        const ssize_t n = write(archivo, bufer + hecho, usado - hecho);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            // Se avisa una vez y se deja de grabar; el juego sigue.
            std::fprintf(stderr, "%s: no se puede escribir: %s\n", ruta.c_str(), std::strerror(errno));
            close(archivo);
            archivo = -1;
        } else {
            hecho += static_cast<size_t>(n);
        }
    }
    usado = 0;
}

void Grabacion::encabezado(int64_t frecuencia) {
    linea("vorlix-quintar grabacion %d\nfrecuencia %" PRId64 "\n", Repeticion::VERSION, frecuencia);
}

void Grabacion::pantalla(bool completa) { linea("pantalla %s\n", completa ? "si" : "no"); }

void Grabacion::semilla(uint32_t valor) { linea("semilla %" PRIu32 "\n", valor); }

void Grabacion::ajustes(const std::string& descripcion) { linea("ajustes %s\n", descripcion.c_str()); }

void Grabacion::cerrarVueltas() {
    if (vueltasPendientes > 0) linea("vueltas %d\n", vueltasPendientes);
    vueltasPendientes = 0;
}

void Grabacion::evento(const SDL_Event& e) {
    // Los eventos van con la primera vuelta de la línea de vueltas o cuadro que los sigue.
    cerrarVueltas();
    switch (e.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            linea("tecla-%s %d\n", e.type == SDL_KEYDOWN ? "abajo" : "arriba", static_cast<int>(e.key.keysym.sym));
            break;
        case SDL_MOUSEMOTION:
            linea("mueve %d %d\n", e.motion.xrel, e.motion.yrel);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            linea("boton-%s %d %d %d\n", e.type == SDL_MOUSEBUTTONDOWN ? "abajo" : "arriba", e.button.button,
                  e.button.x, e.button.y);
            break;
        case SDL_QUIT:
            linea("cerrar\n");
            break;
        default:
            // No hace nada, pero reemplaza al último evento, que se vuelve a despachar.
            linea("otro %d\n", e.type);
            break;
    }
}

void Grabacion::consola(const float* valores, int leidos) {
    char texto[80] = "consola";
    size_t largo = std::strlen(texto);
    // %.9g vuelve a dar el mismo float al leerlo.
    for (int i = 0; i < leidos; i++)
        largo += static_cast<size_t>(std::snprintf(texto + largo, sizeof texto - largo, " %.9g",
                                                   static_cast<double>(valores[i])));
    linea("%s\n", texto);
}

void Grabacion::vuelta() { vueltasPendientes++; }

void Grabacion::cuadro(int64_t pulsos) {
    if (vueltasPendientes > 0)
        linea("cuadro %" PRId64 " %d\n", pulsos, vueltasPendientes);
    else
        linea("cuadro %" PRId64 "\n", pulsos);
    vueltasPendientes = 0;
    if (usado >= UMBRAL) vaciar();
}

void Grabacion::terminar() {
    if (archivo < 0) return;
    linea("fin\n");
    vaciar();
    close(archivo);
    archivo = -1;
}
