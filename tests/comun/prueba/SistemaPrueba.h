#ifndef VQ_SISTEMA_PRUEBA_H
#define VQ_SISTEMA_PRUEBA_H

#include <cstdint>

#include "core/Sistema.h"

// Capa del sistema para las pruebas del juego: un reloj que mueve la prueba
// y una pregunta de pantalla completa que contesta "No" sin mostrar nada.
namespace SistemaPrueba {

void setContador(int64_t valor);
void avanzarSegundos(double segundos);
void setRespuesta(Sistema::Respuesta r);
int preguntasHechas();

}  // namespace SistemaPrueba

#endif
