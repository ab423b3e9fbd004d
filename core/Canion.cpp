#include "core/Canion.h"

#include <GL/gl.h>

#include "assets/Model_3DS.h"
#include "playfield/ModoRender.h"

namespace {

const float ESCALA_MODELO = 0.08f;
const float CORRIMIENTO_MODELO_Z = -1.5f;
const float GIRO_MODELO_X = 90.0f;
const float GIRO_MODELO_Y = -90.0f;

}  // namespace

Canion::Canion(float x, float y, float z, float a, float b, float c)
    : Rendereable(x, y, z, a, b, c), modelo(new Model_3DS()) {
    modelo->Load(ARCHIVO_MODELO);
    modelo->scale = ESCALA_MODELO;
    modelo->pos[2] = CORRIMIENTO_MODELO_Z;
    modelo->rot[0] = GIRO_MODELO_X;
    modelo->rot[1] = GIRO_MODELO_Y;
}

void Canion::rotar(float delta) {
    if (!(angulo < -ANGULO_MAXIMO && delta < 0.0f) && !(angulo > ANGULO_MAXIMO && delta > 0.0f))
        angulo += delta;
    if (angulo > ANGULO_MAXIMO) angulo = ANGULO_MAXIMO;
    if (angulo < -ANGULO_MAXIMO) angulo = -ANGULO_MAXIMO;
}

void Canion::render() {
    glPushMatrix();
    glTranslatef(x, y, z);
    glRotatef(angulo, 0.0f, 0.0f, 1.0f);
    const ModoRender* modo = ModoRender::getInstance();
    if (modo->isTexturado()) {
        glColor3f(1.0f, 1.0f, 1.0f);
        glEnable(GL_TEXTURE_2D);
        modelo->Draw();
        glDisable(GL_TEXTURE_2D);
    } else {
        glColor3f(0.0f, 0.1f, 0.5f);
        modo->aplicarSinTextura();
        modelo->Draw();
    }
    glPopMatrix();
}
