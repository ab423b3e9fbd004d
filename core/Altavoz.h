#ifndef VQ_ALTAVOZ_H
#define VQ_ALTAVOZ_H

// Los sonidos del juego, uno por archivo de resources/.
enum class Efecto {
    Disparo,
    Pieza0,  // un timbre por tipo de pieza: Pieza0 + tipo
    Pieza1,
    Pieza2,
    Pieza3,
    Pared,
    Extremo,
    Atrapada,
    Salida,
    Desaparecen,
    Nivel,
    Victoria,
    Derrota,
    Boton,
    Tick,
    Chispas,
};
constexpr int CANTIDAD_EFECTOS = static_cast<int>(Efecto::Chispas) + 1;

// Lo que el juego pide que suene. Entre el juego y el mezclador, para que
// una prueba anote los pedidos sin abrir el sonido.
class Altavoz {
public:
    virtual ~Altavoz() = default;
    // Encendido abre el sonido la primera vez; apagado calla todo al momento.
    virtual void encender(bool encendido) = 0;
    // Paso: el tono en los sonidos que suben (piezas y aro); 0 en los demás.
    virtual void tocar(Efecto efecto, int paso) = 0;
    // El crujido de los fuegos, en ciclo mientras suenan.
    virtual void chispas(bool suenan) = 0;
    // En pausa se detiene lo del juego; los clics y las chispas siguen.
    virtual void pausar(bool pausa) = 0;
};

#endif
