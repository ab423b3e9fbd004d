#include "core/Escala.h"

#include <SDL.h>

#include <cstring>

#include "core/Ventana.h"

Escala* Escala::getInstance() {
    static Escala instancia;
    return &instancia;
}

bool Escala::interpretar(const char* texto, int& pedida) {
    if (std::strcmp(texto, "auto") == 0) {
        pedida = AUTOMATICA;
        return true;
    }
    if (texto[0] < '1' || texto[0] > '0' + MAXIMA || texto[1] != '\0') return false;
    pedida = texto[0] - '0';
    return true;
}

const char* Escala::nombre(int pedida) {
    static const char* const NOMBRES[MAXIMA + 1] = {"auto", "1", "2", "3", "4"};
    return NOMBRES[pedida];
}

int Escala::automatica(int anchoPantalla, int altoPantalla) {
    int n = 1;
    while (n < MAXIMA && (n + 1) * Ventana::ANCHO <= anchoPantalla &&
           (n + 1) * Ventana::ALTO <= altoPantalla) {
        n++;
    }
    return n;
}

int Escala::elegir(int pedida) {
    factor = pedida;
    if (pedida == AUTOMATICA) {
        // Antes de abrir la ventana, SDL da el tamaño del escritorio.
        const SDL_VideoInfo* info = SDL_GetVideoInfo();
        factor = info != nullptr ? automatica(info->current_w, info->current_h) : 1;
    }
    return factor;
}
