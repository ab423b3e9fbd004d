#include "playfield/Pieza.h"

#include <GL/gl.h>

#include "playfield/Esfera.h"
#include "playfield/ModoRender.h"
#include "playfield/Pelotita.h"
#include "screens/Interfaz.h"

namespace {

struct Aspecto {
    int puntos;
    float color[3];
    float colorGolpeada[3];
};

const Aspecto ASPECTOS[4] = {
    {200, {0.5f, 0.2f, 0.2f}, {0.8f, 0.5f, 0.5f}},
    {50, {0.5f, 0.5f, 0.5f}, {0.8f, 0.8f, 0.8f}},
    {500, {0.0f, 1.0f, 0.0f}, {0.3f, 1.0f, 0.3f}},
    {1000, {0.5f, 0.0f, 0.2f}, {0.8f, 0.3f, 0.5f}},
};

}  // namespace

Pieza::Pieza(float x, float y, float z, float a, float b, float c)
    : Rendereable(x, y, z, a, b, c),
      normal(new Gvector(x, y, z, a, b, c)),
      direccion(new Gvector(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f)) {}

Pieza::~Pieza() {
    delete normal;
    delete direccion;
}

void Pieza::crearLista(float r) {
    radio = r;
    lista = Esfera::lista(r);
}

int Pieza::getPuntos() const {
    return tipo < 4 ? ASPECTOS[tipo].puntos : 0;
}

bool Pieza::colisionar(Pelotita& bola) {
    if (!visible) return tocando;
    float dx = x - bola.getX();
    float dy = y - bola.getY();
    float d = raizCuadrada(dx * dx + dy * dy);
    if (d > bola.getRadio() + radio) {
        tocando = false;
        return false;
    }
    // Sigue dentro desde un cuadro anterior: no rebota otra vez.
    if (tocando) return true;
    tocando = true;
    golpeada = true;
    contactos++;
    Interfaz::getInstance()->sumarPuntos(getPuntos());
    rebotar(*bola.getVelocidad(), dx, dy);
    return true;
}

// v = u - 2 (u·n) n, con u la dirección de llegada y n la normal del choque;
// luego se devuelve el 85 % de la rapidez previa.
void Pieza::rebotar(Gvector& v, float dx, float dy) {
    normal->set(-dx, -dy, 0.0f);
    normal->normalizar();
    float rapidez = v.modulo();
    v.normalizar();
    direccion->copiar(v);
    v.escalar(-1.0f);
    float k = v.productoEscalar(*normal);
    normal->escalar(k);
    v.copiar(*normal);
    v.escalar(2.0f);
    v.sumar(*direccion);
    v.normalizar();
    v.escalar(rapidez * REBOTE);
}

void Pieza::render() {
    if (!visible) return;
    glPushMatrix();
    glTranslatef(x, y, z);
    if (tipo < 4) glColor3fv(golpeada ? ASPECTOS[tipo].colorGolpeada : ASPECTOS[tipo].color);
    ModoRender::getInstance()->aplicarSinTextura();
    glCallList(lista);
    glPopMatrix();
}
