#ifndef VQ_ESFERA_H
#define VQ_ESFERA_H

// Listas de visualización con una esfera rellena de GLU de 15 por 15. Cada
// radio se compila una sola vez y la comparten todas las piezas y bolas que
// lo usan, también las de los niveles siguientes.
class Esfera {
public:
    static unsigned int lista(float radio);
};

#endif
