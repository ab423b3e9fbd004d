#ifndef VQ_HERRAMIENTAS_PINTOR_CARTELES_H
#define VQ_HERRAMIENTAS_PINTOR_CARTELES_H

#include "tools/Lienzo.h"
#include "tools/Tipografia.h"

// Los carteles de 500x160 que el juego centra sobre el tablero al ganar y
// al perder.
class PintorCarteles {
public:
    PintorCarteles(Tipografia& normal, Tipografia& negrita) : normal(normal), negrita(negrita) {}

    Lienzo ganar();
    Lienzo perder();

private:
    Lienzo cartel(const char* titulo, const char* linea1, const char* linea2, const Color& arriba,
                  const Color& abajo, const Color& colorTitulo);

    Tipografia& normal;
    Tipografia& negrita;
};

#endif
