#include <SDL.h>

#include <cstdio>

#include "core/BuclePrincipal.h"
#include "core/Grabadora.h"
#include "core/Opciones.h"

int main(int argc, char* argv[]) {
    // Cada línea de diagnóstico sale al momento, también hacia un tubo o un
    // archivo, y no cuando se llena el búfer.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    switch (Opciones::getInstance()->analizar(argc, argv)) {
        case Opciones::Resultado::Salir:
            return 0;
        case Opciones::Resultado::Error:
            return 2;
        case Opciones::Resultado::Jugar:
            break;
    }
    // Un archivo de partida que no sirve termina aquí, sin abrir la ventana.
    if (!Grabadora::getInstance()->preparar(*Opciones::getInstance())) return 2;
    BuclePrincipal bucle;
    return bucle.ejecutar();
}
