#include <SDL.h>

#include <cstdio>

#include "core/BuclePrincipal.h"

int main(int, char*[]) {
    // Cada línea de diagnóstico sale al momento, también hacia un tubo o un
    // archivo, y no cuando se llena el búfer.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    BuclePrincipal bucle;
    return bucle.ejecutar();
}
