#include "playfield/Gvector.h"

#include <GL/gl.h>
#include <cmath>

float raizCuadrada(float v) {
    return static_cast<float>(std::sqrt(static_cast<double>(v)));
}

Gvector::Gvector(float x, float y, float z, float a, float b, float c)
    : Rendereable(x, y, z, a, b, c), vx(1.0f), vy(1.0f), vz(1.0f) {}

Gvector* Gvector::set(float x, float y, float z) {
    vx = x;
    vy = y;
    vz = z;
    return this;
}

void Gvector::copiar(const Gvector& otro) {
    vx = otro.getX();
    vy = otro.getY();
    vz = otro.getZ();
}

void Gvector::sumar(const Gvector& otro) {
    vx += otro.vx;
    vy += otro.vy;
    vz += otro.vz;
}

void Gvector::multiplicar(const Gvector& otro) {
    vx *= otro.vx;
    vy *= otro.vy;
    vz *= otro.vz;
}

void Gvector::escalar(float s) {
    vx *= s;
    vy *= s;
    vz *= s;
}

float Gvector::productoEscalar(const Gvector& otro) const {
    return vx * otro.vx + vy * otro.vy + vz * otro.vz;
}

void Gvector::normalizar() {
    float cuadrado = vx * vx + vy * vy;
    // Un vector sin parte x-y no tiene dirección en el tablero: se deja igual
    // en lugar de llenarlo de NaN.
    if (cuadrado == 0.0f) return;
    float l = raizCuadrada(cuadrado);
    vx /= l;
    vy /= l;
}

float Gvector::modulo() const {
    float l = raizCuadrada(vx * vx + vy * vy);
    return raizCuadrada(vz * vz + l * l);
}

void Gvector::render() {
    glPushMatrix();
    glTranslatef(x, y, z);
    glBegin(GL_LINES);
    glColor3f(0.0f, 0.0f, 0.5f);
    glVertex3f(0.0f, 0.0f, vz);
    glVertex3f(300.0f * vx, 300.0f * vy, vz);
    glColor3f(0.0f, 0.0f, 0.99f);
    glVertex3f(300.0f * vx, 300.0f * vy, vz);
    glVertex3f(300.0f * vx - vx, 300.0f * vy - vy, vz);
    glEnd();
    glPopMatrix();
}
