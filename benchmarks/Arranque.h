#ifndef VQ_ARRANQUE_H
#define VQ_ARRANQUE_H

// El arranque se mide en un proceso nuevo cada vez (el mismo ejecutable con
// una de las dos opciones), que todavía no tiene ni ventana ni contexto de
// OpenGL: el del juego y su piso.
namespace Arranque {

constexpr const char* OPCION_JUEGO = "--arranque";
constexpr const char* OPCION_PISO = "--arranque-piso";

struct Resultado {
    bool medido;
    // Desde SDL iniciado (en el juego, la respuesta a la pregunta de
    // pantalla completa) hasta el primer cuadro presentado.
    double segundos;
    // La memoria residente máxima del proceso hijo.
    long memoriaKiB;
};

// Lanza el proceso hijo con la opción dada y espera su resultado.
Resultado medir(const char* opcion);

// Lo que hace el hijo del juego: arranca el juego como el bucle principal,
// dibuja un cuadro y escribe los segundos en el descriptor dado.
int juego(int descriptor);

// El hijo del piso: abre la misma ventana de 800 x 600 con OpenGL por SDL y
// presenta un cuadro de referencia con los estados del primer cuadro del
// juego (texturado), sin leer ningún bitmap ni modelo.
int piso(int descriptor);

}  // namespace Arranque

#endif
