#ifndef VQ_CUADRO_REFERENCIA_H
#define VQ_CUADRO_REFERENCIA_H

#include <vector>

// El piso con que se compara el cuadro del juego: sólo llamadas de OpenGL,
// con lo mínimo de la misma escena. El tablero texturado (textura del tamaño
// de la imagen de un nivel), una esfera iluminada por pieza del nivel 1 más
// la bola y las dos puntas del aro (la esfera del juego en una lista), el
// panel de la derecha texturado y el intercambio de búferes. Usa la ventana y
// el contexto del juego; guarda su estado al crearse y lo repone al destruirse.
class CuadroReferencia {
public:
    explicit CuadroReferencia(const char* nivel);
    ~CuadroReferencia();
    CuadroReferencia(const CuadroReferencia&) = delete;
    CuadroReferencia& operator=(const CuadroReferencia&) = delete;

    void dibujar() const;
    int getEsferas() const { return static_cast<int>(esferas.size() / 3); }

private:
    static unsigned int textura(int ancho, int alto);
    void prepararLuces() const;

    std::vector<float> esferas;
    float perspectiva[16] = {};
    float ortogonal[16] = {};
    float camara[16] = {};
    unsigned int lista = 0;
    unsigned int tablero = 0;
    unsigned int panel = 0;
};

#endif
