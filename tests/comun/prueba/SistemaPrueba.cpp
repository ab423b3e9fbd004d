#include "SistemaPrueba.h"

#include <SDL.h>

namespace {

const int64_t FRECUENCIA = 29000000;  // con 29 millones de pulsos por segundo, 1/29 s es un número entero
int64_t contador = 0;
Sistema::Respuesta respuesta = Sistema::Respuesta::No;
std::chrono::steady_clock::time_point respondida;
bool sinFuncionesGL = false;

}  // namespace

int64_t Sistema::leerContador() { return contador; }
int64_t Sistema::frecuenciaContador() { return FRECUENCIA; }
uint32_t Sistema::milisegundos() { return 12345; }
void* Sistema::funcionGL(const char* nombre) {
    return sinFuncionesGL ? nullptr : SDL_GL_GetProcAddress(nombre);
}

void Sistema::sostenerPantalla() {}
Sistema::EsperaInterrumpible::EsperaInterrumpible() : anteriores{} {}
Sistema::EsperaInterrumpible::~EsperaInterrumpible() {}
Sistema::ErroresCallados::ErroresCallados() : guardada(-1) {}
Sistema::ErroresCallados::~ErroresCallados() {}

Sistema::Respuesta Sistema::preguntarSiNo(const char*, const char*) {
    respondida = std::chrono::steady_clock::now();
    return respuesta;
}

void Sistema::avisar(const char*, const char*) {}

void SistemaPrueba::setContador(int64_t valor) { contador = valor; }
void SistemaPrueba::avanzarSegundos(double s) { contador += static_cast<int64_t>(s * FRECUENCIA); }
void SistemaPrueba::setRespuesta(Sistema::Respuesta r) { respuesta = r; }
std::chrono::steady_clock::time_point SistemaPrueba::momentoRespuesta() { return respondida; }
void SistemaPrueba::setSinFuncionesGL(bool ocultas) { sinFuncionesGL = ocultas; }
