#ifndef VQ_CONTADOR_RESERVAS_H
#define VQ_CONTADOR_RESERVAS_H

// Cuenta las reservas de memoria de C++ del juego entre empezar y terminar.
// Las del controlador de OpenGL (Mesa compila sus sombreadores con C++ y
// LLVM) no cuentan: se reconocen por una de sus bibliotecas en la pila.
class ContadorReservas {
public:
    static void empezar();
    // Las reservas desde empezar.
    static long terminar();
};

#endif
