#ifndef VQ_HERRAMIENTAS_PINTOR_AJUSTES_H
#define VQ_HERRAMIENTAS_PINTOR_AJUSTES_H

#include "tools/Lienzo.h"
#include "tools/Tipografia.h"

// La página de ajustes (640x480, ventana (80, 60) a (720, 540)) con una caja
// vacía donde cae cada una de las 24 marcas que el juego dibuja encima, y
// la marca misma.
class PintorAjustes {
public:
    // Esquina inferior izquierda de cada marca, en píxeles de la ventana, en
    // el orden en que el juego las crea.
    struct Marca {
        float x;
        float y;
    };
    static Marca marca(int indice);
    static constexpr int MARCAS = 24;

    PintorAjustes(Tipografia& normal, Tipografia& negrita) : normal(normal), negrita(negrita) {}

    Lienzo pagina();
    static Lienzo tick();

private:
    // Rectángulo de una caja en la página, con el borde incluido.
    struct Caja {
        int izquierda, arriba, derecha, abajo;
        int baseRotulo() const { return (arriba + abajo) / 2 + 5; }
    };
    Caja caja(Lienzo& l, int indice);
    void rotuloDerecha(Lienzo& l, int indice, const char* texto);

    Tipografia& normal;
    Tipografia& negrita;
};

#endif
