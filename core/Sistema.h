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

// Abre una conexión con la pantalla y la mantiene hasta el final. Un
// servidor X sin otro cliente se reinicia cuando se va el último, y SDL abre y
// cierra una conexión de prueba antes de la suya: sin ésta, la suya puede caer
// en medio del reinicio. Reintenta un momento si el servidor se está reiniciando.
void sostenerPantalla();

// Mientras vive, Ctrl+C y kill terminan el programa en el acto. Se usa
// mientras el juego espera al jugador (una pregunta, un aviso, la consola):
// el aviso de salida que SDL pone en su cola nadie lo leería.
class EsperaInterrumpible {
public:
    EsperaInterrumpible();
    ~EsperaInterrumpible();
    EsperaInterrumpible(const EsperaInterrumpible&) = delete;
    EsperaInterrumpible& operator=(const EsperaInterrumpible&) = delete;

private:
    void (*anteriores[3])(int);
};

// Mientras vive, lo que se escribe en la salida de error se descarta: las
// bibliotecas de sonido avisan ahí de cada controlador que prueban y falla.
class ErroresCallados {
public:
    ErroresCallados();
    ~ErroresCallados();
    ErroresCallados(const ErroresCallados&) = delete;
    ErroresCallados& operator=(const ErroresCallados&) = delete;

private:
    int guardada;
};

// Pregunta de Sí o No al jugador. Fallo si no hubo respuesta.
Respuesta preguntarSiNo(const char* titulo, const char* texto);

// Aviso con un solo botón; vuelve cuando el jugador lo cierra. Sin pantalla
// donde mostrarlo vuelve enseguida: quien avisa ya lo dijo por la salida de error.
void avisar(const char* titulo, const char* texto);

}  // namespace Sistema

#endif
