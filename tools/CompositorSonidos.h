#ifndef VQ_HERRAMIENTAS_COMPOSITOR_SONIDOS_H
#define VQ_HERRAMIENTAS_COMPOSITOR_SONIDOS_H

#include "tools/Onda.h"

// Los sonidos del juego, sintetizados aquí. Los de las piezas y el del aro
// que retiene la bola traen todos sus pasos en tramos iguales, de grave a
// agudo: el juego parte el archivo en tantos tramos como pasos (core/Sonido.cpp).
class CompositorSonidos {
public:
    static constexpr int PASOS_PIEZA = 16;
    static constexpr int PASOS_ATRAPADA = 8;
    static constexpr double TRAMO_PIEZA = 0.08;
    static constexpr double TRAMO_ATRAPADA = 0.12;

    // Una escala mayor desde el la de 440 Hz: el paso 0 es 440 Hz.
    static double frecuenciaPieza(int paso);

    static Onda disparo();
    // Un timbre por tipo de pieza, en cada paso de la escala.
    static Onda pieza(int tipo);
    static Onda pared();
    static Onda extremo();
    static Onda atrapada();
    static Onda salida();
    static Onda desaparecen();
    static Onda nivel();
    static Onda victoria();
    static Onda derrota();
    static Onda boton();
    static Onda tick();
    // Se repite mientras duran los fuegos: el final empalma con el principio.
    static Onda chispas();

private:
    static Onda golpe(int tipo, double f);
    // Una nota con armónicos que bajan como 1/n^inclinacion.
    static void nota(Onda& o, double desde, double duracion, double f, double amplitud,
                     double caida, int armonicos, double inclinacion);
};

#endif
