#include "particles/Fuegos.h"

#include <GL/gl.h>

#include <cstdlib>

Fuegos::Fuegos() {
    for (auto& s : sistemas) s.reset(new SistemaParticulas);
}

void Fuegos::preparar() {
    for (auto& s : sistemas) {
        s.reset(new SistemaParticulas);
        s->setArchivoTextura("resources/particle.bmp");
        s->setMaxParticulas(100);
        s->setCantidadPorTanda(100);
        s->setIntervalo(0.05f);
        s->setVida(0.3f);
        s->setTamanioPunto(7.0f);
        s->setColor(1.0f, 0.0f, 0.0f);
        s->setPosicion(0.0f, 0.0f, 0.0f);
        s->setVelocidadBase(0.0f, 0.0f, 0.0f);
        s->setGravedad(0.0f, 0.0f, 0.0f);
        s->setViento(0.0f, 0.0f, 0.0f);
        s->setDispersion(10.0f);
        // Un sistema sin la extensión queda sin dibujar: no hace falta mirar el resultado.
        s->inicializar();
    }
}

void Fuegos::setColor(float r, float g, float b, int indice) {
    sistemas[indice]->setColor(r, g, b);
}

void Fuegos::setPosicion(float x, float y, float z, int indice) {
    sistemas[indice]->setPosicion(x, y, z);
}

void Fuegos::actualizar(float dt) {
    // Sobre la cuadrícula del tablero: x de 2 a 17, y de 0 a 14, z de 2 a 6.
    for (auto& s : sistemas) {
        const float x = static_cast<float>(std::rand() % 16 + 2);
        const float y = static_cast<float>(std::rand() % 15);
        const float z = static_cast<float>(std::rand() % 5 + 2);
        s->setPosicion(x, y, z);
    }
    for (auto& s : sistemas) s->actualizar(dt);
}

void Fuegos::dibujar() {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_DST_ALPHA, GL_ONE);
    for (auto& s : sistemas) {
        glBindTexture(GL_TEXTURE_2D, s->getTextura());
        s->render();
    }
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    glDisable(GL_LIGHTING);
}
