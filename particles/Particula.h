#ifndef VQ_PARTICULA_H
#define VQ_PARTICULA_H

#include "particles/Vec3.h"

// Una partícula viva o de repuesto; siguiente la enlaza en la lista que la tenga.
struct Particula {
    Vec3 posicion;
    Vec3 velocidad;
    float nacimiento = 0.0f;
    Particula* siguiente = nullptr;
};

#endif
