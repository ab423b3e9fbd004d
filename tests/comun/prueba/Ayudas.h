#ifndef VQ_AYUDAS_H
#define VQ_AYUDAS_H

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <string>

class Juego;
class Pelotita;

// Lo que comparten las pruebas del juego.
namespace Ayudas {

struct Color {
    int r, g, b;
};

// El juego de la prueba, con su ventana y su contexto OpenGL (contesta "No"
// a la pantalla completa). Cada prueba corre en su propio proceso.
Juego& juego();

// Un evento de tecla, pulsada o soltada.
SDL_Event tecla(SDLKey simbolo, bool abajo = true);

// Pulsa y suelta una tecla en el juego y devuelve lo que éste escribió.
std::string pulsar(Juego& juego, SDLKey simbolo);

// Píxel del búfer indicado en coordenadas de ventana (origen abajo a la
// izquierda). Con Mesa bajo Xvfb, el búfer de atrás conserva el cuadro ya
// presentado y el de adelante no se puede leer.
Color pixel(int x, int y, bool delantero = false);

// Proyección ortogonal de la ventana, modelo identidad, sin luces y con la
// prueba de profundidad sólo si se pide; borra color y profundidad.
void proyeccionVentana(bool profundidad = false);

// Agrega un entero en little endian de tantos bytes.
void agregarEntero(std::string& s, uint32_t v, int bytes);

// Un BMP de 24 bits sin compresión; color(x, y) con y = 0 en la fila de arriba.
std::string bmp24(int ancho, int alto, const std::function<Color(int, int)>& color);

// Un disparo de prueba: la bola del juego con posición y velocidad dadas.
Pelotita* bola(float x, float y, float vx, float vy, float radio = 0.3f);

// Carpeta temporal que se borra al final; opcionalmente es el directorio de trabajo.
class Carpeta {
public:
    explicit Carpeta(bool entrar = false);
    ~Carpeta();
    const std::string& ruta() const { return camino; }
    std::string escribir(const std::string& nombre, const std::string& contenido) const;
    // Enlaza un recurso del repositorio en resources/ de esta carpeta.
    void enlazarRecurso(const std::string& nombre) const;
    // Enlaza todos los recursos que la prueba no haya escrito ya.
    void enlazarRecursos() const;

private:
    std::string camino;
    std::string anterior;
};

}  // namespace Ayudas

#endif
