#ifndef VQ_ESFERA_H
#define VQ_ESFERA_H

// Lista de visualización con una esfera rellena de GLU de 15 por 15.
// La compila una vez quien la crea; la bola y las piezas la comparten así.
class Esfera {
public:
    static unsigned int compilar(float radio);
    static void liberar(unsigned int lista);
};

#endif
