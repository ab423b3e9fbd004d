#ifndef VQ_RGB_IMAGE_H
#define VQ_RGB_IMAGE_H

#include <cstddef>

// Imagen de 24 bits sin relleno: rojo, verde y azul por píxel, la fila de
// abajo primero. Quien la recibe libera data y luego el registro con free.
struct RgbImage {
    int width;
    int height;
    unsigned char* data;
};

// Lee un bitmap de Windows (DIB), con o sin la cabecera "BM" de archivo, de
// 1, 4, 8, 16, 24 o 32 bits; los de 4 y 8 también comprimidos por tramos (RLE).
// Si falla, muestra el motivo en un aviso titulado "Error" y en la salida de
// error, y devuelve nulo.
RgbImage* loadDibImage(const char* ruta);

// Lo mismo sobre bytes en memoria, sin avisar: si falla devuelve nulo y deja
// en error (si no es nulo) el texto del aviso. Un bitmap guardado de arriba
// abajo (alto negativo) se devuelve como los demás: alto positivo y la fila de
// abajo primero.
RgbImage* decodificarDib(const unsigned char* datos, size_t largo, const char** error);

#endif
