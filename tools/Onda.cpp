#include "tools/Onda.h"

#include <algorithm>
#include <cmath>

#include "tools/Ruido.h"

namespace {

constexpr double DESVANECIDO = 0.004;
constexpr double DOS_PI = 6.283185307179586;

void agregarEntero(std::string& s, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; i++) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

Onda::Onda(double segundos) : muestras(static_cast<size_t>(std::lround(segundos * MUESTRAS_POR_SEGUNDO))) {}

int Onda::muestra(double segundos) const {
    return static_cast<int>(std::lround(segundos * MUESTRAS_POR_SEGUNDO));
}

double Onda::envolvente(double t, double duracion, double ataque, double caida) {
    const double subida = ataque > 0 ? std::min(1.0, t / ataque) : 1.0;
    const double final = std::min(1.0, (duracion - t) / DESVANECIDO);
    return subida * std::exp(-std::max(0.0, t - ataque) / caida) * std::max(0.0, final);
}

void Onda::tono(double desde, double duracion, double f0, double f1, double amplitud,
                double ataque, double caida) {
    const int primera = muestra(desde), cantidad = muestra(duracion);
    double fase = 0;
    for (int i = 0; i < cantidad && primera + i < getCantidad(); i++) {
        const double t = static_cast<double>(i) / MUESTRAS_POR_SEGUNDO;
        const double f = f0 * std::pow(f1 / f0, t / duracion);
        if (primera + i >= 0)
            muestras[primera + i] += amplitud * envolvente(t, duracion, ataque, caida) * std::sin(fase);
        fase += DOS_PI * f / MUESTRAS_POR_SEGUNDO;
    }
}

void Onda::ruido(double desde, double duracion, double amplitud, double ataque, double caida,
                 double brillo, uint32_t semilla) {
    const int primera = muestra(desde), cantidad = muestra(duracion);
    double filtrado = 0;
    for (int i = 0; i < cantidad && primera + i < getCantidad(); i++) {
        const double t = static_cast<double>(i) / MUESTRAS_POR_SEGUNDO;
        const double blanco = 2 * Ruido::azar(semilla, static_cast<uint32_t>(i)) - 1;
        filtrado += brillo * (blanco - filtrado);
        if (primera + i >= 0)
            muestras[primera + i] += amplitud * envolvente(t, duracion, ataque, caida) * filtrado;
    }
}

void Onda::sumar(const Onda& otra, double desde, bool enCiclo) {
    const int primera = muestra(desde), n = getCantidad();
    for (int i = 0; i < otra.getCantidad(); i++) {
        int j = primera + i;
        if (enCiclo) j %= n;
        if (j >= 0 && j < n) muestras[j] += otra.muestras[i];
    }
}

void Onda::normalizar(double pico) {
    double maximo = 0;
    for (double m : muestras) maximo = std::max(maximo, std::fabs(m));
    if (maximo > 0)
        for (double& m : muestras) m *= pico / maximo;
}

std::string Onda::aWav() const {
    const uint32_t datos = static_cast<uint32_t>(2 * muestras.size());
    std::string s = "RIFF";
    agregarEntero(s, 36 + datos, 4);
    s += "WAVEfmt ";
    agregarEntero(s, 16, 4);
    agregarEntero(s, 1, 2);  // PCM
    agregarEntero(s, 1, 2);  // mono
    agregarEntero(s, MUESTRAS_POR_SEGUNDO, 4);
    agregarEntero(s, 2 * MUESTRAS_POR_SEGUNDO, 4);
    agregarEntero(s, 2, 2);
    agregarEntero(s, 16, 2);
    s += "data";
    agregarEntero(s, datos, 4);
    for (double m : muestras) {
        const long v = std::lround(std::clamp(m, -1.0, 1.0) * 32767);
        agregarEntero(s, static_cast<uint32_t>(v), 2);
    }
    return s;
}
