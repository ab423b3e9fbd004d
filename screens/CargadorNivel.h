#ifndef VQ_CARGADOR_NIVEL_H
#define VQ_CARGADOR_NIVEL_H

#include <cstdio>
#include <functional>

class Juego;

// Lee un archivo de nivel: la cantidad de piezas y luego "x y tipo" por
// pieza, cada número seguido de un carácter cualquiera.
class CargadorNivel {
public:
    using Agregar = std::function<void(float x, float y, int tipo)>;

    // Agrega al juego una pieza por registro, en el orden del archivo. Si el
    // archivo no abre o un registro no se puede leer, lo avisa por la salida
    // de error con el nombre del archivo y deja las piezas leídas hasta ahí.
    void cargarNivel(Juego& juego, const char* nombreArchivo);

    // La lectura en sí, sobre un archivo ya abierto; el nombre es sólo para
    // los avisos.
    static void leer(std::FILE* archivo, const char* nombreArchivo, const Agregar& agregar);
};

#endif
