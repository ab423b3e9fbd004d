#ifndef VQ_NIVELES_H
#define VQ_NIVELES_H

// La sucesión de niveles 1, 2, 3, 1...
class Niveles {
public:
    static constexpr int CANTIDAD = 3;

    static Niveles* getInstance();
    int getNivel() const { return nivel; }
    // Pasa al nivel siguiente: primero la imagen del tablero, después las piezas.
    void siguienteNivel();

private:
    Niveles() = default;
    int nivel = 1;
};

#endif
