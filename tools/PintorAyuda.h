#ifndef VQ_HERRAMIENTAS_PINTOR_AYUDA_H
#define VQ_HERRAMIENTAS_PINTOR_AYUDA_H

#include <string>

#include "tools/Lienzo.h"
#include "tools/Tipografia.h"

// La página de ayuda (640x480, ventana (80, 60) a (720, 540)): las reglas,
// las piezas y todos los controles, en dos columnas, con el hueco del botón
// de salida libre arriba a la derecha.
class PintorAyuda {
public:
    PintorAyuda(Tipografia& normal, Tipografia& negrita) : normal(normal), negrita(negrita) {}

    // Si algún texto no cabe en su columna deja el motivo en error.
    Lienzo pagina(std::string& error);

private:
    // Cada uno escribe desde la línea de base y devuelve la siguiente.
    int encabezado(Lienzo& l, const char* texto, int x, int base);
    int parrafo(Lienzo& l, const std::string& texto, int x, int base, int ancho);
    int tecla(Lienzo& l, const char* teclas, const char* accion, int x, int base, int sangria);
    int columnaIzquierda(Lienzo& l);
    int columnaDerecha(Lienzo& l);

    Tipografia& normal;
    Tipografia& negrita;
};

#endif
