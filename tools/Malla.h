#ifndef VQ_HERRAMIENTAS_MALLA_H
#define VQ_HERRAMIENTAS_MALLA_H

#include <string>
#include <vector>

#include "tools/Punto.h"

// Triángulos de un objeto con sus coordenadas de textura, cada uno con el
// nombre de su material. Las caras van en sentido antihorario vistas desde
// fuera.
class Malla {
public:
    struct Vertice {
        Punto p;
        double s, t;
    };
    struct Cara {
        int a, b, c;
        int material;  // índice en getMateriales()
    };

    int agregarVertice(const Punto& p, double s, double t);
    void agregarCara(int a, int b, int c, const std::string& material);
    // Cuadrilátero plano p0 p1 p2 p3; la textura se estira a razón de una
    // vuelta cada `escala` unidades, con s a lo largo de p0→p1.
    void agregarCuadro(const Punto& p0, const Punto& p1, const Punto& p2, const Punto& p3,
                       double escala, const std::string& material);

    const std::vector<Vertice>& getVertices() const { return vertices; }
    const std::vector<Cara>& getCaras() const { return caras; }
    // En el orden en que aparecen por primera vez.
    const std::vector<std::string>& getMateriales() const { return materiales; }

private:
    std::vector<Vertice> vertices;
    std::vector<Cara> caras;
    std::vector<std::string> materiales;
};

#endif
