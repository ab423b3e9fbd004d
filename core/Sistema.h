#ifndef VQ_SISTEMA_H
#define VQ_SISTEMA_H

#include <cstdint>

// Lo poco que el juego pide al sistema operativo. Cada plataforma lo
// implementa en un solo archivo (SistemaLinux.cpp en Linux).
namespace Sistema {

enum class Respuesta { Si, No, Fallo };

// Contador monotónico de alta resolución y sus pulsos por segundo.
int64_t leerContador();
int64_t frecuenciaContador();

// Milisegundos desde un origen fijo; sólo sirve de semilla.
uint32_t milisegundos();

// Dirección de una función de OpenGL (extensiones); nulo si no existe.
void* funcionGL(const char* nombre);

// Pregunta de Sí o No al jugador. Fallo si no hubo respuesta.
Respuesta preguntarSiNo(const char* titulo, const char* texto);

// Aviso con un solo botón; vuelve cuando el jugador lo cierra. Sin pantalla
// donde mostrarlo vuelve enseguida: quien avisa ya lo dijo por la salida de error.
void avisar(const char* titulo, const char* texto);

}  // namespace Sistema

#endif
