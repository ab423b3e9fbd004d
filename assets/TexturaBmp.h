#ifndef VQ_TEXTURA_BMP_H
#define VQ_TEXTURA_BMP_H

// Carga de un BMP, leído con SDL, en una textura 2D de un solo nivel.
class TexturaBmp {
public:
    // Deja el nombre de la textura nueva en destino. Si el archivo no se
    // puede leer, lo dice por la salida de error y termina con estado 0.
    static void cargar(const char* nombreArchivo, unsigned int& destino);
};

#endif
