#include "playfield/Pelotita.h"

#include <GL/gl.h>

#include "playfield/Esfera.h"
#include "playfield/ModoRender.h"

Pelotita::Pelotita(float x, float y, float z, float a, float b, float c)
    : Rendereable(x, y, z, a, b, c), velocidad(new Gvector(x, y, z, a, b, c)) {
    velocidad->set(0.0f, 0.0f, 0.0f);
}

Pelotita::~Pelotita() {
    delete velocidad;
}

void Pelotita::crearLista(float r) {
    radio = r;
    lista = Esfera::lista(r);
}

void Pelotita::setVelocidad(float vx, float vy, float vz) {
    velocidad->set(vx, vy, vz);
}

void Pelotita::mover(float dt) {
    // Por debajo de -10 la bola queda congelada.
    if (y <= -10.0f) return;
    const float gx = 0.0f, gy = GRAVEDAD, gz = 0.0f;
    float h = dt * dt / 2.0f;
    float vx = velocidad->getX(), vy = velocidad->getY(), vz = velocidad->getZ();
    // Paso exacto para aceleración constante.
    x = x + vx * dt + gx * h;
    y = y + vy * dt + gy * h;
    z = z + vz * dt + gz * h;
    if (x < 0.0f) x = 0.0f;
    velocidad->setY(vy + gy * dt);
    velocidad->setX(vx + gx * dt);
    velocidad->setZ(vz + gz * dt);
}

void Pelotita::render() {
    if (!(radio > 0.0f)) return;
    glPushMatrix();
    glTranslatef(x, y, z);
    glColor3f(0.0f, 0.0f, 1.0f);
    ModoRender::getInstance()->aplicarSinTextura();
    glCallList(lista);
    glPopMatrix();
}
