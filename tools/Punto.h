#ifndef VQ_HERRAMIENTAS_PUNTO_H
#define VQ_HERRAMIENTAS_PUNTO_H

// Punto o dirección en el espacio de los modelos.
struct Punto {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    Punto operator+(const Punto& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Punto operator-(const Punto& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Punto operator*(double k) const { return {x * k, y * k, z * k}; }
    static Punto cruz(const Punto& a, const Punto& b) {
        return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    }
};

#endif
