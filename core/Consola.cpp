#include "core/Consola.h"

#include "core/Sistema.h"

#include <cstdio>
#include <iostream>
#include <limits>

void Consola::preguntar(const char* pregunta, std::istream& entrada, float* valores, int n) {
    // Mientras se espera al jugador, Ctrl+C y kill terminan el juego.
    Sistema::EsperaInterrumpible espera;
    std::fputs(pregunta, stdout);
    std::fflush(stdout);
    for (int i = 0; i < n; i++) valores[i] = 0.0f;
    for (int i = 0; i < n; i++) {
        float v = 0.0f;
        if (!(entrada >> v)) {
            entrada.clear();
            entrada.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            return;
        }
        valores[i] = v;
    }
}
