#ifndef VQ_PARTIDA_MEDIDA_H
#define VQ_PARTIDA_MEDIDA_H

class Juego;

// El juego que miden los cuadros, llevado jugando hasta la victoria: los
// niveles 2 y 3 están vacíos, así cada tiro despeja el suyo y el tercero
// gana. Queda el nivel 1 cargado, los fuegos encendidos y el cartel de ganar.
// Se oye como en el bucle principal: con sonido salvo que las opciones digan
// lo contrario.
class PartidaMedida {
public:
    // El paso de un cuadro a 29 por segundo, a un cuarto del tiempo real.
    static constexpr float PASO = 0.25f / 29;

    // La partida ganada, tal como queda después del tercer tiro.
    static Juego& ganada();
    // La misma con el cartel de ganar cerrado por un clic: sin fuegos, como
    // el nivel 1 en juego. No tiene vuelta atrás.
    static Juego& sinFuegos();
    // Un paso del juego y lo que el oído oye de él.
    static void actualizar(Juego& juego);

private:
    static Juego& jugarHastaGanar();
    static void disparar(Juego& juego);
    static void clic(Juego& juego, int x, int y);
};

#endif
