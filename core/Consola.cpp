#include "core/Consola.h"

#include "core/Grabadora.h"
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
    Grabadora& grabadora = *Grabadora::getInstance();
    if (grabadora.valoresConsola(valores, n)) return;
    grabadora.antesDeEsperar();
    int leidos = 0;
    for (; leidos < n; leidos++) {
        float v = 0.0f;
        if (!(entrada >> v)) {
            entrada.clear();
            entrada.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            break;
        }
        valores[leidos] = v;
    }
    grabadora.anotarConsola(valores, leidos);
}
