#ifndef VQ_HERRAMIENTAS_PINTOR_CARTELES_H
#define VQ_HERRAMIENTAS_PINTOR_CARTELES_H

#include <string>

#include "tools/Lienzo.h"
#include "tools/Tipografia.h"

// Los carteles de 500x160 que el juego centra sobre el tablero al ganar y
// al perder. Si el texto no cabe, cada uno deja el motivo en error.
class PintorCarteles {
public:
    PintorCarteles(Tipografia& normal, Tipografia& negrita) : normal(normal), negrita(negrita) {}

    Lienzo ganar(std::string& error);
    Lienzo perder(std::string& error);

private:
    Lienzo cartel(const char* titulo, const char* texto, const Color& arriba, const Color& abajo,
                  const Color& colorTitulo, std::string& error);

    Tipografia& normal;
    Tipografia& negrita;
};

#endif
