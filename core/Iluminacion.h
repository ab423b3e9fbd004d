#ifndef VQ_ILUMINACION_H
#define VQ_ILUMINACION_H

// Las tres luces de la escena. Índice 0: ambiental (GL_LIGHT1); 1: difusa,
// la que tiene posición (GL_LIGHT0); 2 o cualquier otro: especular (GL_LIGHT2).
class Iluminacion {
public:
    Iluminacion();

    void alternarLuz(int indice);
    void setColorLuz(int indice, const float rgba[4]);
    void setPosicionLuz(int indice, const float xyzw[4]);
    bool isAmbientalEncendida() const { return ambientalEncendida; }
    bool isDifusaEncendida() const { return difusaEncendida; }
    bool isEspecularEncendida() const { return especularEncendida; }

private:
    bool ambientalEncendida = false;
    bool difusaEncendida = false;
    bool especularEncendida = false;
};

#endif
