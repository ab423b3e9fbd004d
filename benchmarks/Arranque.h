#ifndef VQ_ARRANQUE_H
#define VQ_ARRANQUE_H

// El arranque se mide en un proceso nuevo cada vez (el mismo ejecutable con
// el argumento OPCION), que todavía no tiene ni juego ni contexto de OpenGL.
namespace Arranque {

constexpr const char* OPCION = "--arranque";

struct Resultado {
    bool medido;
    // De la respuesta a la pregunta de pantalla completa al primer cuadro presentado.
    double segundos;
    // La memoria residente máxima del proceso hijo.
    long memoriaKiB;
};

// Lanza el proceso hijo y espera su resultado.
Resultado medir();

// Lo que hace el hijo: arranca el juego como el bucle principal, dibuja un
// cuadro y escribe los segundos en el descriptor dado.
int hijo(int descriptor);

}  // namespace Arranque

#endif
