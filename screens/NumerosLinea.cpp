#include "screens/NumerosLinea.h"

#include <GL/gl.h>
#include <cstring>

#include "core/Escala.h"

namespace {

// Por cifra: abajo izquierda, arriba izquierda, arriba, arriba derecha,
// abajo derecha, abajo, medio.
const int TABLA[10][7] = {
    {1, 1, 1, 1, 1, 1, 0}, {0, 0, 0, 1, 1, 0, 0}, {1, 0, 1, 1, 0, 1, 1}, {0, 0, 1, 1, 1, 1, 1},
    {0, 1, 0, 1, 1, 0, 1}, {0, 1, 1, 0, 1, 1, 1}, {1, 1, 1, 0, 1, 1, 1}, {0, 1, 1, 1, 1, 0, 0},
    {1, 1, 1, 1, 1, 1, 1}, {0, 1, 1, 1, 1, 1, 1},
};

// Extremos de cada segmento en medias celdas: la celda mide 1 de ancho y 2 de alto.
const int EXTREMOS[7][4] = {
    {0, 0, 0, 1}, {0, 1, 0, 2}, {0, 2, 1, 2}, {1, 2, 1, 1}, {1, 1, 1, 0}, {1, 0, 0, 0}, {0, 1, 1, 1},
};

}  // namespace

NumerosLinea& NumerosLinea::getInstance() {
    static NumerosLinea* instancia = new NumerosLinea();
    return *instancia;
}

NumerosLinea::NumerosLinea() {
    std::memcpy(segmentos, TABLA, sizeof(segmentos));
}

void NumerosLinea::dibujarSegmento(int segmento, double tamanio) const {
    const double media = tamanio / 2.0;
    const int* e = EXTREMOS[segmento];
    glBegin(GL_LINES);
    glVertex2d(e[0] * media, e[1] * media);
    glVertex2d(e[2] * media, e[3] * media);
    glEnd();
}

void NumerosLinea::pincel(float rojo, float verde, float azul) const {
    glColor3f(rojo, verde, azul);
    glLineWidth(ANCHO_LINEA * static_cast<float>(Escala::getInstance()->getFactor()));
}

void NumerosLinea::dibujarDigito(int digito, double tamanio, float rojo, float verde,
                                 float azul) const {
    pincel(rojo, verde, azul);
    for (int s = 0; s < 7; s++) {
        if (segmentos[digito][s] == 1) dibujarSegmento(s, tamanio);
    }
}

void NumerosLinea::dibujarNumero(int valor, double tamanio, float x, float y) const {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glTranslatef(x, y, PROFUNDIDAD);
    const float paso = static_cast<float>(tamanio);
    // En 64 bits, el valor absoluto del menor entero también cabe.
    long long resto = valor;
    if (resto < 0) {
        pincel(ROJO, VERDE, AZUL);
        dibujarSegmento(SEGMENTO_MEDIO, tamanio);
        glTranslatef(paso, 0.0f, 0.0f);
        resto = -resto;
    }
    if (resto == 0) {
        dibujarDigito(0, tamanio, ROJO, VERDE, AZUL);
    } else {
        int cifras[10];
        int cantidad = 0;
        while (resto != 0) {
            cifras[cantidad++] = static_cast<int>(resto % 10);
            resto /= 10;
        }
        while (cantidad > 0) {
            dibujarDigito(cifras[--cantidad], tamanio, ROJO, VERDE, AZUL);
            glTranslatef(paso, 0.0f, 0.0f);
        }
    }
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void NumerosLinea::dibujarTexto(const char* texto, double tamanio, float x, float y) const {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glTranslatef(x, y, PROFUNDIDAD);
    pincel(ROJO, VERDE, AZUL);
    for (const char* c = texto; *c != '\0'; c++) {
        if (*c >= '0' && *c <= '9') dibujarDigito(*c - '0', tamanio, ROJO, VERDE, AZUL);
        if (*c == '-') dibujarSegmento(SEGMENTO_MEDIO, tamanio);
        glTranslatef(static_cast<float>(tamanio), 0.0f, 0.0f);
    }
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}
