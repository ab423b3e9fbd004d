#include "playfield/ModoRender.h"

#include <GL/gl.h>

ModoRender* ModoRender::getInstance() {
    static ModoRender* instancia = new ModoRender();
    return instancia;
}

void ModoRender::elegir(bool f, bool i, bool t, bool w) {
    setFacetado(f);
    setInterpolado(i);
    setTexturado(t);
    setWireframe(w);
}

void ModoRender::aplicarSinTextura() const {
    glDisable(GL_TEXTURE_2D);
    if (wireframe) {
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        glShadeModel(GL_SMOOTH);
    }
    if (interpolado) {
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glShadeModel(GL_SMOOTH);
    }
    if (facetado) {
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glShadeModel(GL_FLAT);
    }
}
