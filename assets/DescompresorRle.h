#ifndef VQ_DESCOMPRESOR_RLE_H
#define VQ_DESCOMPRESOR_RLE_H

#include <cstddef>
#include <cstdint>

// Los píxeles de un bitmap de 8 o 4 bits comprimido por tramos (RLE8, RLE4),
// pasados a rojo, verde y azul con su paleta. El flujo va de a pares de bytes:
// una cuenta y un color repiten el color (en RLE4, sus dos mitades por turno);
// una cuenta 0 es un escape: 0 termina la fila, 1 el bitmap, 2 salta las
// columnas y filas de los dos bytes que siguen, y de 3 en adelante da esos
// píxeles sueltos, en un número par de bytes.
class DescompresorRle {
public:
    // La paleta tiene colores entradas de 4 bytes: azul, verde, rojo y uno libre.
    DescompresorRle(int bits, const unsigned char* paleta, uint32_t colores)
        : bits(bits), paleta(paleta), colores(colores) {}

    // rgb trae ancho × alto píxeles de 3 bytes en cero, en el orden de las filas
    // del archivo (la de abajo primero). Lo que el flujo salta, o no llega a dar
    // porque se corta, queda negro; lo que cae fuera de la fila o de la imagen
    // se descarta. Falso si un píxel de la imagen nombra un color que la paleta
    // no tiene.
    bool descomprimir(const unsigned char* datos, size_t largo, size_t ancho, size_t alto,
                      unsigned char* rgb) const;

private:
    // El píxel k de un byte: el byte entero en 8 bits; en 4, su mitad alta si k es par.
    unsigned indice(unsigned char byte, unsigned k) const {
        return bits == 8 ? byte : (k % 2 == 0 ? byte >> 4 : byte & 0x0F);
    }

    int bits;
    const unsigned char* paleta;
    uint32_t colores;
};

#endif
