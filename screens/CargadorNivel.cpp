#include "screens/CargadorNivel.h"

#include "core/Juego.h"

void CargadorNivel::cargarNivel(Juego& juego, const char* nombreArchivo) {
    std::FILE* archivo = std::fopen(nombreArchivo, "r");
    if (archivo == nullptr) {
        std::fprintf(stderr, "No se puede abrir el nivel: %s\n", nombreArchivo);
        return;
    }
    leer(archivo, nombreArchivo, [&juego](float x, float y, int tipo) { juego.crearPieza(x, y, tipo); });
    std::fclose(archivo);
}

void CargadorNivel::leer(std::FILE* archivo, const char* nombreArchivo, const Agregar& agregar) {
    int cantidad = 0;
    char separador;
    if (std::fscanf(archivo, "%d%c", &cantidad, &separador) < 1) {
        std::fprintf(stderr, "Nivel %s: no se puede leer la cantidad de piezas\n", nombreArchivo);
    }
    for (int i = 0; i < cantidad; i++) {
        float x = 0.0f, y = 0.0f;
        int tipo = 0;
        // El último separador puede faltar si el archivo termina sin fin de línea.
        if (std::fscanf(archivo, "%f%c%f%c%d%c", &x, &separador, &y, &separador, &tipo,
                        &separador) < 5) {
            std::fprintf(stderr, "Nivel %s: no se puede leer la pieza %d de %d\n", nombreArchivo,
                         i + 1, cantidad);
            break;
        }
        agregar(x, y, tipo);
    }
}
