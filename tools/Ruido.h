#ifndef VQ_HERRAMIENTAS_RUIDO_H
#define VQ_HERRAMIENTAS_RUIDO_H

#include <cstdint>

// Azar reproducible para las imágenes: la misma semilla da siempre los mismos
// valores, en cada corrida y en cada máquina.
class Ruido {
public:
    // Un valor en [0, 1) para cada par (semilla, i).
    static double azar(uint32_t semilla, uint32_t i);
    // Paso suavizado de 0 (v <= a) a 1 (v >= b).
    static double suave(double a, double b, double v);
    // Ruido de valor en varias octavas, de 0 a 1.
    static double valor(double x, double y, uint32_t semilla, int octavas);
    // Como valor, pero se repite cada `periodo` unidades en x, para texturas que
    // dan la vuelta a un cilindro sin costura.
    static double ciclico(double x, double y, int periodo, uint32_t semilla, int octavas);

private:
    static double rejilla(int x, int y, uint32_t semilla);
    static double octava(double x, double y, int periodo, uint32_t semilla);
};

#endif
