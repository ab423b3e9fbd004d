#include "core/Sonido.h"

#include <SDL.h>

#include <cstdio>

#include "core/Sistema.h"

namespace {

// El canal 0 es de las chispas y el 1 de los clics; los demás, del juego,
// se detienen juntos en la pausa.
const int CANALES = 16;
const int CANAL_CHISPAS = 0;
const int CANAL_CLICS = 1;
const int PRIMER_CANAL_JUEGO = 2;
const int GRUPO_JUEGO = 1;
const int DESVANECER_CHISPAS_MS = 200;

struct Archivo {
    const char* ruta;
    int pasos;  // tramos iguales, uno por paso, como los escribe tools/CompositorSonidos
};

const Archivo ARCHIVOS[CANTIDAD_EFECTOS] = {
    {"resources/disparo.wav", 1},     {"resources/pieza0.wav", 16},    {"resources/pieza1.wav", 16},
    {"resources/pieza2.wav", 16},     {"resources/pieza3.wav", 16},    {"resources/pared.wav", 1},
    {"resources/extremo.wav", 1},     {"resources/atrapada.wav", 8},   {"resources/salida.wav", 1},
    {"resources/desaparecen.wav", 1}, {"resources/nivel.wav", 1},      {"resources/victoria.wav", 1},
    {"resources/derrota.wav", 1},     {"resources/boton.wav", 1},      {"resources/tick.wav", 1},
    {"resources/chispas.wav", 1},
};

}  // namespace

Sonido::~Sonido() {
    if (estado != Estado::Abierto) return;
    Mix_HaltChannel(-1);
    for (Mix_Chunk* c : cargados)
        if (c != nullptr) Mix_FreeChunk(c);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void Sonido::encender(bool e) {
    encendido = e;
    if (encendido && estado == Estado::SinAbrir) abrir();
    if (!encendido && estado == Estado::Abierto) Mix_HaltChannel(-1);
}

void Sonido::abrir() {
    bool abierto;
    {
        // Los controladores que SDL prueba y no encuentran (ALSA sin tarjeta,
        // por ejemplo) escriben varias líneas; basta con la nuestra.
        Sistema::ErroresCallados callados;
        abierto = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (abierto && Mix_OpenAudio(MUESTRAS_POR_SEGUNDO, AUDIO_S16SYS, 2, CUADROS_POR_BUFER) != 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            abierto = false;
        }
    }
    if (!abierto) {
        std::fprintf(stderr, "No se puede abrir el sonido, se juega sin él: %s\n", SDL_GetError());
        estado = Estado::Fallido;
        return;
    }
    estado = Estado::Abierto;
    Mix_AllocateChannels(CANALES);
    Mix_ReserveChannels(PRIMER_CANAL_JUEGO);
    Mix_GroupChannels(PRIMER_CANAL_JUEGO, CANALES - 1, GRUPO_JUEGO);
    int frecuencia = 0, canales = 0;
    Uint16 formato = 0;
    Mix_QuerySpec(&frecuencia, &formato, &canales);
    const int bytesPorCuadro = (formato & 0xFF) / 8 * canales;
    for (int e = 0; e < CANTIDAD_EFECTOS; e++) cargar(e, bytesPorCuadro);
}

// Los sonidos con pasos se parten en trozos iguales que apuntan a lo cargado.
void Sonido::cargar(int e, int bytesPorCuadro) {
    const Archivo& archivo = ARCHIVOS[e];
    Mix_Chunk* c = Mix_LoadWAV(archivo.ruta);
    const Uint32 cuadros = c != nullptr ? c->alen / bytesPorCuadro / archivo.pasos : 0;
    if (cuadros == 0) {
        if (c != nullptr) Mix_FreeChunk(c);
        std::fprintf(stderr, "No se puede cargar el sonido: %s\n", archivo.ruta);
        return;
    }
    cargados[e] = c;
    pasos[e] = archivo.pasos;
    for (int p = 0; p < archivo.pasos; p++)
        tramos[e][p] = Mix_Chunk{0, c->abuf + p * cuadros * bytesPorCuadro, cuadros * bytesPorCuadro,
                                 c->volume};
}

void Sonido::tocar(Efecto efecto, int paso) {
    const int e = static_cast<int>(efecto);
    if (!encendido || estado != Estado::Abierto || pasos[e] == 0) return;
    if (paso >= pasos[e]) paso = pasos[e] - 1;
    if (paso < 0) paso = 0;
    int canal = CANAL_CLICS;
    if (efecto != Efecto::Boton && efecto != Efecto::Tick) {
        // Con todos los canales del juego ocupados, el nuevo reemplaza al más viejo.
        canal = Mix_GroupAvailable(GRUPO_JUEGO);
        if (canal < 0) canal = Mix_GroupOldest(GRUPO_JUEGO);
    }
    Mix_PlayChannel(canal, &tramos[e][paso], 0);
}

void Sonido::chispas(bool suenan) {
    const int e = static_cast<int>(Efecto::Chispas);
    if (!encendido || estado != Estado::Abierto || pasos[e] == 0) return;
    if (!suenan) {
        Mix_FadeOutChannel(CANAL_CHISPAS, DESVANECER_CHISPAS_MS);
    } else if (!Mix_Playing(CANAL_CHISPAS)) {
        Mix_PlayChannel(CANAL_CHISPAS, &tramos[e][0], -1);
    }
}

void Sonido::pausar(bool pausa) {
    if (estado != Estado::Abierto) return;
    for (int c = PRIMER_CANAL_JUEGO; c < CANALES; c++) pausa ? Mix_Pause(c) : Mix_Resume(c);
}
