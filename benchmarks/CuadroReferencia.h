#ifndef VQ_CUADRO_REFERENCIA_H
#define VQ_CUADRO_REFERENCIA_H

#include <memory>
#include <vector>

class FuegosReferencia;

// El piso con que se compara el cuadro del juego en cada modo de dibujo:
// sólo llamadas de OpenGL, con lo mínimo de la misma escena y los estados
// de ese modo. El tablero (texturado, con una textura del tamaño de la
// imagen de un nivel, o de un color), una esfera iluminada por pieza del
// nivel 1 más la bola y las dos puntas del aro (la esfera del juego en una
// lista), un cuadrado con los arreglos de vértices, normales y coordenadas
// de textura del cañón, el panel de la derecha texturado, los cuatro números
// del panel en líneas de 2,5 píxeles, los sprites de los fuegos y el cartel
// de ganar si se piden, y el intercambio de búferes. En alambre los sólidos son líneas del mismo
// ancho; en facetado, planos. Usa la ventana y el contexto del juego; guarda
// su estado al crearse y lo repone al destruirse.
class CuadroReferencia {
public:
    enum Modo { WIREFRAME, FACETADO, INTERPOLADO, TEXTURADO, CANTIDAD_MODOS };

    CuadroReferencia(const char* nivel, Modo modo, bool conFuegos);
    ~CuadroReferencia();
    CuadroReferencia(const CuadroReferencia&) = delete;
    CuadroReferencia& operator=(const CuadroReferencia&) = delete;

    void dibujar() const;
    int getEsferas() const { return static_cast<int>(esferas.size() / 3); }
    int getSprites() const;

    // Una textura RGB de relleno, con filtro lineal.
    static unsigned int textura(int ancho, int alto);

private:
    void prepararLuces() const;
    void aplicarModo() const;
    void dibujarTablero() const;
    void dibujarCanion() const;
    static void dibujarImagen(unsigned int nombre, float x, float y, float ancho, float alto);
    void dibujarNumeros() const;

    Modo modo;
    std::vector<float> esferas;
    std::unique_ptr<FuegosReferencia> fuegos;
    float perspectiva[16] = {};
    float ortogonal[16] = {};
    float camara[16] = {};
    unsigned int lista = 0;
    unsigned int tablero = 0;
    unsigned int panel = 0;
    unsigned int cartel = 0;
};

#endif
