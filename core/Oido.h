#ifndef VQ_OIDO_H
#define VQ_OIDO_H

#include "core/Altavoz.h"

class Juego;

// Lo que se oye: después de cada actualización mira el estado del juego, lo
// compara con el de la anterior y pide al altavoz los sonidos de lo que pasó.
// El juego no sabe que lo escuchan: con el sonido apagado todo sigue igual.
class Oido {
public:
    // Paredes y extremos del aro suenan a lo sumo una vez cada tantas actualizaciones.
    static constexpr int ACTUALIZACIONES_ENTRE_REBOTES = 8;
    // Con la bola en el aro, una campanada cada tantas bolas ganadas, cada una más aguda.
    static constexpr int BOLAS_POR_CAMPANADA = 4;

    explicit Oido(Altavoz& altavoz) : altavoz(altavoz) {}

    // Toma el estado sin oír nada y enciende el altavoz si el sonido está encendido.
    void empezar(Juego& juego);
    // Una vez por actualización, después de ella.
    void escuchar(Juego& juego);

private:
    struct Foto {
        int estado = 0;
        int pelotitas = 0;
        int nivel = 0;
        bool fuegos = false;
        bool sonido = false;
        int contactos[4] = {};  // por tipo, de las piezas del tablero
        int extremos = 0;
        int paredes = 0;
        int botones = 0;
        int ticks = 0;
    };

    static Foto fotografiar(Juego& juego);
    void oirInterfaz(const Foto& ahora);
    void oirVuelo(const Foto& ahora);
    void oirFinDelTiro(const Foto& ahora);
    // Sólo con el sonido encendido.
    void tocar(const Foto& ahora, Efecto efecto, int paso = 0);

    Altavoz& altavoz;
    Foto antes;
    // El estado de juego sin contar la pausa: listo o en vuelo.
    int jugable = 0;
    bool pausado = false;
    bool chispas = false;
    // Contactos con piezas en el tiro: el paso del próximo.
    int pasoTiro = 0;
    int retenidas = 0;
    int desdePared = ACTUALIZACIONES_ENTRE_REBOTES;
    int desdeExtremo = ACTUALIZACIONES_ENTRE_REBOTES;
};

#endif
