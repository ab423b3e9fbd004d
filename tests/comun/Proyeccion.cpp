#include "Proyeccion.h"

#include <cmath>

void proyectarCamaraInicial(double px, double py, double pz, double& vx, double& vy) {
    const double ojo[3] = {9, 5, 19}, centro[3] = {9, 7, 0};
    double f[3] = {centro[0] - ojo[0], centro[1] - ojo[1], centro[2] - ojo[2]};
    const double lf = std::sqrt(f[0] * f[0] + f[1] * f[1] + f[2] * f[2]);
    for (double& v : f) v /= lf;
    // Con arriba (0, 1, 0) y el ojo sin corrimiento en x, el lado es (1, 0, 0).
    const double u[3] = {0, -f[2], f[1]};
    const double p[3] = {px * 0.8 - ojo[0], py * 0.8 - ojo[1], pz * 0.8 - ojo[2]};
    const double ex = p[0];
    const double ey = u[0] * p[0] + u[1] * p[1] + u[2] * p[2];
    const double ez = -(f[0] * p[0] + f[1] * p[1] + f[2] * p[2]);
    const double t = 1.0 / std::tan(22.5 * M_PI / 180.0);
    const double nx = (t / (800.0 / 600.0)) * ex / -ez;
    const double ny = t * ey / -ez;
    vx = (nx + 1) * 400;
    vy = (ny + 1) * 300;
}
