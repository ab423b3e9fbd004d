#ifndef VQ_SISTEMA_PRUEBA_H
#define VQ_SISTEMA_PRUEBA_H

#include <chrono>
#include <cstdint>

#include "core/Sistema.h"

// Capa del sistema para las pruebas del juego: un reloj que mueve la prueba,
// una pregunta de pantalla completa que contesta sin mostrar nada, avisos que
// no se muestran (van también a la salida de error) y funciones de OpenGL que
// se pueden ocultar.
namespace SistemaPrueba {

void setContador(int64_t valor);
void avanzarSegundos(double segundos);
void setRespuesta(Sistema::Respuesta r);
// Cuándo se contestó la última pregunta, en el reloj monótono: las
// mediciones cuentan el arranque desde ahí.
std::chrono::steady_clock::time_point momentoRespuesta();

// Con true, funcionGL no encuentra ninguna función.
void setSinFuncionesGL(bool ocultas);

}  // namespace SistemaPrueba

#endif
