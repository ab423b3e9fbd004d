#ifndef VQ_SISTEMA_PRUEBA_H
#define VQ_SISTEMA_PRUEBA_H

#include <chrono>
#include <cstdint>

#include "core/Sistema.h"

// Capa del sistema de las pruebas: un reloj que mueve la prueba, la pregunta contestada
// sin mostrarla, avisos mudos y funciones de OpenGL que se pueden ocultar.
namespace SistemaPrueba {

void setContador(int64_t valor);
void avanzarSegundos(double segundos);
void setRespuesta(Sistema::Respuesta r);
// Cuándo se contestó la última pregunta: las mediciones cuentan el arranque desde ahí.
std::chrono::steady_clock::time_point momentoRespuesta();
void setSinFuncionesGL(bool ocultas);

}  // namespace SistemaPrueba

#endif
