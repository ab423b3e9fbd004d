#include <SDL.h>

#include "core/BuclePrincipal.h"

int main(int, char*[]) {
    BuclePrincipal bucle;
    return bucle.ejecutar();
}
