#include "playfield/Esfera.h"

#include <GL/gl.h>
#include <GL/glu.h>

unsigned int Esfera::compilar(float radio) {
    GLUquadric* cuadrica = gluNewQuadric();
    gluQuadricDrawStyle(cuadrica, GLU_FILL);
    GLuint lista = glGenLists(1);
    glNewList(lista, GL_COMPILE);
    gluSphere(cuadrica, radio, 15, 15);
    glEndList();
    gluDeleteQuadric(cuadrica);
    return lista;
}

void Esfera::liberar(unsigned int lista) {
    if (lista != 0) glDeleteLists(lista, 1);
}
