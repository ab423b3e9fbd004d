#ifndef VQ_HERRAMIENTAS_COLOR_H
#define VQ_HERRAMIENTAS_COLOR_H

// Color con componentes de 0 a 1; se lleva a bytes sólo al guardar, para que
// las mezclas sucesivas no acumulen redondeos.
struct Color {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;

    static Color mezcla(const Color& a, const Color& c, double t) {
        return {a.r + (c.r - a.r) * t, a.g + (c.g - a.g) * t, a.b + (c.b - a.b) * t};
    }
    Color por(double k) const { return {r * k, g * k, b * k}; }
};

#endif
