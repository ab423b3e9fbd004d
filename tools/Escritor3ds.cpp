#include "tools/Escritor3ds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Los lectores de 3DS suelen guardar los nombres en 80 bytes con el NUL.
constexpr size_t NOMBRE_MAXIMO = 79;
constexpr size_t VERTICES_MAXIMOS = 65534;
constexpr size_t CARAS_MAXIMAS = 65535;

void entero(std::string& datos, uint32_t valor, int bytes) {
    for (int i = 0; i < bytes; ++i) datos.push_back(static_cast<char>((valor >> (8 * i)) & 0xff));
}

void real(std::string& datos, double valor) {
    const float f = static_cast<float>(valor);
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    entero(datos, bits, 4);
}

std::string texto(const std::string& s) { return s + '\0'; }

// Cabecera de 6 bytes (identificador y largo total) y luego el contenido.
std::string trozo(uint16_t id, const std::string& contenido) {
    std::string datos;
    entero(datos, id, 2);
    entero(datos, static_cast<uint32_t>(6 + contenido.size()), 4);
    return datos + contenido;
}

uint8_t aByte(double v) {
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
}

bool nombreValido(const std::string& nombre) {
    return !nombre.empty() && nombre.size() <= NOMBRE_MAXIMO &&
           nombre.find('\0') == std::string::npos;
}

}  // namespace

bool Escritor3ds::agregarMaterial(const std::string& nombre, const Color& difuso,
                                  const std::string& textura) {
    if (!nombreValido(nombre) || (!textura.empty() && !nombreValido(textura)) ||
        std::count(nombresMateriales.begin(), nombresMateriales.end(), nombre) > 0)
        return false;
    nombresMateriales.push_back(nombre);
    std::string rgb;
    rgb.push_back(static_cast<char>(aByte(difuso.r)));
    rgb.push_back(static_cast<char>(aByte(difuso.g)));
    rgb.push_back(static_cast<char>(aByte(difuso.b)));
    std::string contenido = trozo(0xA000, texto(nombre)) + trozo(0xA020, trozo(0x0011, rgb));
    if (!textura.empty()) contenido += trozo(0xA200, trozo(0xA300, texto(textura)));
    materiales += trozo(0xAFFF, contenido);
    return true;
}

bool Escritor3ds::agregarObjeto(const std::string& nombre, const Malla& malla) {
    const auto& vertices = malla.getVertices();
    const auto& caras = malla.getCaras();
    if (!nombreValido(nombre) || vertices.size() > VERTICES_MAXIMOS || caras.size() > CARAS_MAXIMAS)
        return false;
    for (const std::string& material : malla.getMateriales())
        if (std::count(nombresMateriales.begin(), nombresMateriales.end(), material) == 0)
            return false;

    std::string posiciones, mapeo, listaCaras;
    entero(posiciones, static_cast<uint32_t>(vertices.size()), 2);
    entero(mapeo, static_cast<uint32_t>(vertices.size()), 2);
    for (const Malla::Vertice& v : vertices) {
        real(posiciones, v.p.x);
        real(posiciones, v.p.y);
        real(posiciones, v.p.z);
        real(mapeo, v.s);
        real(mapeo, v.t);
    }
    entero(listaCaras, static_cast<uint32_t>(caras.size()), 2);
    for (const Malla::Cara& c : caras) {
        entero(listaCaras, c.a, 2);
        entero(listaCaras, c.b, 2);
        entero(listaCaras, c.c, 2);
        entero(listaCaras, 0, 2);
    }
    for (size_t m = 0; m < malla.getMateriales().size(); ++m) {
        std::string numeros;
        uint32_t cuantas = 0;
        for (size_t i = 0; i < caras.size(); ++i)
            if (caras[i].material == static_cast<int>(m)) {
                entero(numeros, static_cast<uint32_t>(i), 2);
                ++cuantas;
            }
        std::string grupo = texto(malla.getMateriales()[m]);
        entero(grupo, cuantas, 2);
        listaCaras += trozo(0x4130, grupo + numeros);
    }
    const std::string mallaTrozos =
        trozo(0x4110, posiciones) + trozo(0x4140, mapeo) + trozo(0x4120, listaCaras);
    objetos += trozo(0x4000, texto(nombre) + trozo(0x4100, mallaTrozos));
    return true;
}

std::string Escritor3ds::contenido() const {
    return trozo(0x4D4D, trozo(0x3D3D, materiales + objetos));
}
