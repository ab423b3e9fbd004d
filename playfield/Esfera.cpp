#include "playfield/Esfera.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <utility>
#include <vector>

namespace {

unsigned int compilar(float radio) {
    GLUquadric* cuadrica = gluNewQuadric();
    gluQuadricDrawStyle(cuadrica, GLU_FILL);
    GLuint lista = glGenLists(1);
    glNewList(lista, GL_COMPILE);
    gluSphere(cuadrica, radio, 15, 15);
    glEndList();
    gluDeleteQuadric(cuadrica);
    return lista;
}

}  // namespace

unsigned int Esfera::lista(float radio) {
    static std::vector<std::pair<float, unsigned int>> hechas;
    for (const auto& h : hechas) {
        if (h.first == radio) return h.second;
    }
    hechas.emplace_back(radio, compilar(radio));
    return hechas.back().second;
}
