#ifndef VQ_RESUMEN_PARTIDA_H
#define VQ_RESUMEN_PARTIDA_H

#include <cstdint>

// El estado de la partida en una línea, para comparar una partida grabada con
// su repetición: puntos, bolas y nivel del panel, y una huella de todo lo demás.
class ResumenPartida {
public:
    // FNV-1a de 64 bits sobre los bytes de lo que decide la partida, en orden fijo.
    static uint64_t huella();
    // "Resumen: puntos P, bolas B, nivel N, huella H" en la salida estándar.
    static void imprimir();
};

#endif
