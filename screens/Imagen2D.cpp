#include "screens/Imagen2D.h"

#include "core/Ventana.h"

Imagen2D::Imagen2D(float x, float y, float z, double ancho, double alto, const char* nombre)
    : x(x), y(y), z(z), ancho(static_cast<float>(ancho)), alto(static_cast<float>(alto)),
      nombreArchivo(nombre), visible(true), activa(false), cuadro(new CuadroTextura(x, y, z)) {
    cuadro->setAncho(this->ancho);
    cuadro->setAlto(this->alto);
    cuadro->cargarTextura(nombre);
}

Imagen2D::~Imagen2D() {
    delete cuadro;
}

bool Imagen2D::contiene(int mouseX, int mouseY) const {
    if (!activa) return false;
    const float mx = static_cast<float>(mouseX);
    const float my = static_cast<float>(Ventana::ALTO - mouseY);
    return x <= mx && mx <= x + ancho && y <= my && my <= y + alto;
}

void Imagen2D::dibujar() const {
    if (visible) cuadro->dibujar();
}
