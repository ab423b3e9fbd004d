#ifndef VQ_SISTEMA_PRUEBA_H
#define VQ_SISTEMA_PRUEBA_H

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Sistema.h"

// Capa del sistema para las pruebas del juego: un reloj que mueve la prueba,
// una pregunta de pantalla completa que contesta "No" sin mostrar nada, avisos
// que se anotan en vez de mostrarse y funciones de OpenGL que se pueden ocultar.
namespace SistemaPrueba {

void setContador(int64_t valor);
void avanzarSegundos(double segundos);
void setRespuesta(Sistema::Respuesta r);
int preguntasHechas();
// Cuándo se contestó la última pregunta, en el reloj monótono: las
// mediciones cuentan el arranque desde ahí.
std::chrono::steady_clock::time_point momentoRespuesta();

struct Aviso {
    std::string titulo;
    std::string texto;
};
// Los avisos dados desde el último borrarAvisos, en orden.
const std::vector<Aviso>& getAvisos();
void borrarAvisos();

// Con true, funcionGL no encuentra ninguna función.
void setSinFuncionesGL(bool ocultas);

}  // namespace SistemaPrueba

#endif
