#include "core/Iluminacion.h"

#include <GL/gl.h>

Iluminacion::Iluminacion() {
    const GLfloat blanco[] = {1.0f, 1.0f, 1.0f, 1.0f};
    glLightfv(GL_LIGHT1, GL_AMBIENT, blanco);
    glDisable(GL_LIGHT1);

    glMaterialf(GL_FRONT, GL_SHININESS, 20.0f);
    glMaterialfv(GL_FRONT, GL_SPECULAR, blanco);
    glLightfv(GL_LIGHT2, GL_SPECULAR, blanco);
    glDisable(GL_LIGHT2);

    const GLfloat difusa[] = {1.5f, 1.5f, 1.5f, 1.0f};
    glLightfv(GL_LIGHT0, GL_DIFFUSE, difusa);
    glDisable(GL_LIGHT0);
    const GLfloat posicion[] = {15.0f, 10.0f, 0.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, posicion);

    // El color de cada objeto es su material ambiente y difuso.
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
}

void Iluminacion::alternarLuz(int indice) {
    GLenum luz = GL_LIGHT2;
    bool* encendida = &especularEncendida;
    if (indice == 0) {
        luz = GL_LIGHT1;
        encendida = &ambientalEncendida;
    } else if (indice == 1) {
        luz = GL_LIGHT0;
        encendida = &difusaEncendida;
    }
    if (*encendida) {
        glDisable(luz);
    } else {
        glEnable(luz);
    }
    *encendida = !*encendida;
}

void Iluminacion::setColorLuz(int indice, const float rgba[4]) {
    if (indice == 0) {
        glLightfv(GL_LIGHT1, GL_AMBIENT, rgba);
    } else if (indice == 1) {
        glLightfv(GL_LIGHT0, GL_DIFFUSE, rgba);
    } else {
        glLightfv(GL_LIGHT2, GL_SPECULAR, rgba);
    }
}

void Iluminacion::setPosicionLuz(int indice, const float xyzw[4]) {
    if (indice == 1) glLightfv(GL_LIGHT0, GL_POSITION, xyzw);
}
