#include "playfield/Rectangulo.h"

#include <GL/gl.h>
#include <initializer_list>

#include "assets/TexturaBmp.h"
#include "playfield/ModoRender.h"
#include "playfield/Pelotita.h"

namespace {

struct Vertice {
    float x, y, z;
    float s, t;
};

unsigned int compilarCuadro(const Vertice (&v)[4]) {
    unsigned int lista = glGenLists(1);
    glNewList(lista, GL_COMPILE);
    glBegin(GL_QUADS);
    for (const Vertice& p : v) {
        glTexCoord2f(p.s, p.t);
        glVertex3f(p.x, p.y, p.z);
    }
    glEnd();
    glEndList();
    return lista;
}

}  // namespace

Rectangulo::Rectangulo(float x, float y, float z, float a, float b, float c)
    : Rendereable(x, y, z, a, b, c) {}

Rectangulo::~Rectangulo() {
    liberarListas();
    if (textura != 0) glDeleteTextures(1, &textura);
}

void Rectangulo::liberarListas() {
    for (unsigned int lista : {listaFondo, listaIzquierda, listaTecho, listaDerecha}) {
        if (lista != 0) glDeleteLists(lista, 1);
    }
}

void Rectangulo::crearGeometria(float w, float h) {
    ancho = w;
    alto = h;
    // Una segunda llamada rehace la geometría sin dejar listas huérfanas.
    liberarListas();
    const float d = PROFUNDIDAD;
    listaFondo = compilarCuadro({{w, h, 0, 1, 0}, {w, 0, 0, 1, 1}, {0, 0, 0, 0, 1}, {0, h, 0, 0, 0}});
    listaIzquierda = compilarCuadro({{0, 0, d, 0, 0}, {0, 0, 0, 0, 1}, {0, h, 0, 1, 1}, {0, h, d, 1, 0}});
    listaTecho = compilarCuadro({{0, h, d, 0, 0}, {0, h, 0, 0, 1}, {w, h, 0, 1, 1}, {w, h, d, 1, 0}});
    listaDerecha = compilarCuadro({{w, h, d, 0, 0}, {w, h, 0, 0, 1}, {w, 0, 0, 1, 1}, {w, 0, d, 1, 0}});
}

void Rectangulo::cargarTextura(const char* nombreArchivo) {
    // La imagen del nivel anterior ya no se ve: se libera su textura.
    unsigned int anterior = textura;
    TexturaBmp::cargar(nombreArchivo, textura);
    if (anterior != 0) glDeleteTextures(1, &anterior);
}

bool Rectangulo::colisionar(Pelotita& bola) {
    Gvector& v = *bola.getVelocidad();
    const float bx = bola.getX(), by = bola.getY(), r = bola.getRadio();
    bool reboto = false;
    if (bx + r >= ancho && v.getX() > 0.0f) {
        v.setX(REBOTE_LATERAL * v.getX());
        reboto = true;
    } else if (bx - r <= 0.0f && v.getX() < 0.0f) {
        v.setX(REBOTE_LATERAL * v.getX());
        reboto = true;
    }
    if (by + r >= alto && v.getY() > 0.0f) {
        v.setY(REBOTE_TECHO * v.getY());
        reboto = true;
    }
    if (reboto) rebotes++;
    return reboto;
}

void Rectangulo::render() {
    glPushMatrix();
    glTranslatef(x, y, z);
    ModoRender* modo = ModoRender::getInstance();
    if (modo->isTexturado()) {
        glColor3f(1.0f, 1.0f, 1.0f);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, textura);
    } else {
        modo->aplicarSinTextura();
        glColor3f(0.5f, 0.0f, 0.0f);
    }
    glCallList(listaFondo);
    glCallList(listaIzquierda);
    glCallList(listaTecho);
    glCallList(listaDerecha);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}
