#include "playfield/Plataforma.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>

#include "playfield/ModoRender.h"
#include "playfield/Pelotita.h"
#include "playfield/Pieza.h"

namespace {

Pieza* crearExtremo(float x, float y, float z) {
    Pieza* p = new Pieza(x, y, z, 0.0f, 0.0f, 0.0f);
    p->setVisible(true);
    p->crearLista(0.5f);
    p->setTipo(Plataforma::TIPO_EXTREMOS);
    return p;
}

}  // namespace

Plataforma::Plataforma(float x, float y, float z, float a, float b, float c)
    : Rendereable(x, y, z, a, b, c) {
    derecha = crearExtremo(x + MEDIA_BOCA, y, z);
    izquierda = crearExtremo(x - MEDIA_BOCA, y, z);
    listaToro = glGenLists(1);
    glNewList(listaToro, GL_COMPILE);
    dibujarToro(10, 10);
    glEndList();
}

Plataforma::~Plataforma() {
    delete derecha;
    delete izquierda;
    glDeleteLists(listaToro, 1);
}

void Plataforma::mover(float dt) {
    fase = fase + dt;
    desplazamiento = AMPLITUD * std::cos(FRECUENCIA * fase);
    derecha->setX(x + desplazamiento + MEDIA_BOCA);
    izquierda->setX(x + desplazamiento - MEDIA_BOCA);
}

void Plataforma::rebotar(Pelotita& bola) {
    derecha->colisionar(bola);
    izquierda->colisionar(bola);
}

bool Plataforma::atrapar(const Pelotita& bola) const {
    const float c = x + desplazamiento;
    const bool adentro = bola.getY() < ALTURA_CAPTURA && bola.getVelY() < 0.0f &&
                         bola.getX() < c + MEDIA_BOCA && bola.getX() > c - MEDIA_BOCA;
    if (adentro) std::printf("\nEntro!\n\n");
    return adentro;
}

void Plataforma::render() {
    glPushMatrix();
    ModoRender::getInstance()->aplicarSinTextura();
    derecha->render();
    izquierda->render();
    glTranslatef(x + desplazamiento, y, z);
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    glColor3f(1.0f, 0.8f, 0.0f);
    glCallList(listaToro);
    glPopMatrix();
}

void Plataforma::dibujarToro(int lados, int anillos) const {
    const double dosPi = 2.0 * M_PI;
    for (int i = 0; i < lados; i++) {
        glBegin(GL_QUAD_STRIP);
        for (int j = 0; j <= anillos; j++) {
            for (int k = 1; k >= 0; k--) {
                double s = ((i + k) % lados) + 0.5;
                double t = j % anillos;
                double a = s * dosPi / lados;
                double b = t * dosPi / anillos;
                double radio = 1.5 + 0.15 * std::cos(a);
                glVertex3d(radio * std::cos(b), radio * std::sin(b), 0.15 * std::sin(a));
            }
        }
        glEnd();
    }
}
