#include "screens/CuadroTextura.h"

#include <GL/gl.h>

#include "assets/TexturaBmp.h"

CuadroTextura::~CuadroTextura() {
    if (textura != 0) glDeleteTextures(1, &textura);
}

void CuadroTextura::cargarTextura(const char* nombreArchivo) {
    TexturaBmp::cargar(nombreArchivo, textura);
}

void CuadroTextura::dibujar() const {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glTranslatef(x, y, z);
    glColor3f(1.0f, 1.0f, 1.0f);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, textura);
    // La fila t = 0 es la de arriba de la imagen: se ve derecha.
    glBegin(GL_QUADS);
    glTexCoord2i(1, 0);
    glVertex2f(ancho, alto);
    glTexCoord2i(1, 1);
    glVertex2f(ancho, 0.0f);
    glTexCoord2i(0, 1);
    glVertex2f(0.0f, 0.0f);
    glTexCoord2i(0, 0);
    glVertex2f(0.0f, alto);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}
