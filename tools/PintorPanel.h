#ifndef VQ_HERRAMIENTAS_PINTOR_PANEL_H
#define VQ_HERRAMIENTAS_PINTOR_PANEL_H

#include <string>

#include "tools/Lienzo.h"
#include "tools/Tipografia.h"

// El panel lateral (160x600, ventana x 640..800) con sus rótulos, y los
// botones de 140x35 que el juego dibuja encima del panel y de las páginas.
class PintorPanel {
public:
    PintorPanel(Tipografia& normal, Tipografia& negrita) : normal(normal), negrita(negrita) {}

    // Si algún texto invade los botones o el contador de abajo deja el motivo
    // en error.
    Lienzo menu(std::string& error);
    Lienzo boton(const std::string& texto);

private:
    // Zona clara detrás de los dígitos violetas que el juego traza encima;
    // devuelve la fila de arriba de la zona.
    int zonaContador(Lienzo& l, int ventanaX, int ventanaY, int digitos);
    void leyendaPiezas(Lienzo& l, int arriba);
    // Texto partido en líneas centradas desde la línea de base; devuelve la
    // siguiente.
    int nota(Lienzo& l, const std::string& texto, int base);
    // Devuelve la línea de base que sigue a la lista.
    int atajos(Lienzo& l, int base);

    Tipografia& normal;
    Tipografia& negrita;
};

#endif
