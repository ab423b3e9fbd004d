#ifndef VQ_SONIDO_H
#define VQ_SONIDO_H

#include <SDL_mixer.h>

#include "core/Altavoz.h"

// El altavoz de verdad, con SDL_mixer: abre el audio una sola vez, carga
// todos los sonidos al abrirlo y los mezcla en el hilo de audio de SDL. Sin
// dispositivo, o sin un archivo, el juego sigue sin ese sonido y lo dice una
// vez en la salida de error.
class Sonido : public Altavoz {
public:
    static constexpr int MUESTRAS_POR_SEGUNDO = 22050;
    // 512 cuadros son 23 ms: un choque se oye antes de 50 ms.
    static constexpr int CUADROS_POR_BUFER = 512;
    static constexpr int MAX_PASOS = 16;

    Sonido() = default;
    ~Sonido() override;
    Sonido(const Sonido&) = delete;
    Sonido& operator=(const Sonido&) = delete;

    void encender(bool encendido) override;
    void tocar(Efecto efecto, int paso) override;
    void chispas(bool suenan) override;
    void pausar(bool pausa) override;

    bool isAbierto() const { return estado == Estado::Abierto; }

private:
    enum class Estado { SinAbrir, Abierto, Fallido };

    void abrir();
    void cargar(int efecto, int bytesPorCuadro);

    Estado estado = Estado::SinAbrir;
    bool encendido = false;
    // Lo que cargó SDL_mixer y, por cada paso, un trozo de eso que no es dueño de sus bytes.
    Mix_Chunk* cargados[CANTIDAD_EFECTOS] = {};
    Mix_Chunk tramos[CANTIDAD_EFECTOS][MAX_PASOS] = {};
    int pasos[CANTIDAD_EFECTOS] = {};
};

#endif
