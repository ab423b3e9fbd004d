#ifndef VQ_SISTEMA_PARTICULAS_H
#define VQ_SISTEMA_PARTICULAS_H

#include <cstdint>
#include <string>

#include "particles/Particula.h"
#include "particles/Vec3.h"

// Emisor de partículas de vida corta dibujadas como sprites de punto de
// OpenGL. Tiene su propio reloj, que sólo avanza con los pasos que recibe.
// Las partículas muertas pasan a una lista de repuesto y no vuelven al heap
// hasta que se destruye el sistema.
class SistemaParticulas {
public:
    // Lo que devuelve actualizar si no pudo reservar una partícula.
    static constexpr uint32_t SIN_MEMORIA = 0x8007000E;

    SistemaParticulas();
    ~SistemaParticulas();
    SistemaParticulas(const SistemaParticulas&) = delete;
    SistemaParticulas& operator=(const SistemaParticulas&) = delete;

    void setMaxParticulas(uint32_t cantidad) { maxParticulas = cantidad; }
    void setCantidadPorTanda(uint32_t cantidad) { cantidadPorTanda = cantidad; }
    void setIntervalo(float segundos) { intervalo = segundos; }
    void setVida(float segundos) { vida = segundos; }
    void setTamanioPunto(float tamanio) { tamanioPunto = tamanio; }
    void setColor(float r, float g, float b) { color = {r, g, b}; }
    void setPosicion(float x, float y, float z) { posicion = {x, y, z}; }
    void setVelocidadBase(float x, float y, float z) { velocidadBase = {x, y, z}; }
    void setGravedad(float x, float y, float z) { gravedad = {x, y, z}; }
    void setViento(float x, float y, float z) { viento = {x, y, z}; }
    void setResistenciaAire(bool activa) { resistenciaAire = activa; }
    void setDispersion(float largo) { dispersion = largo; }
    void setArchivoTextura(const char* ruta) { archivoTextura = ruta; }

    // Con el contexto OpenGL ya creado y el archivo de textura elegido.
    // Devuelve 0 si falta la extensión de parámetros de punto: entonces el
    // sistema no carga textura y render no dibuja nada.
    int inicializar();
    // Avanza el reloj, mueve o mata las partículas vivas y suelta una tanda
    // si pasó más que el intervalo. Devuelve 0 o SIN_MEMORIA.
    uint32_t actualizar(float dt);
    // Dibuja las partículas vivas; la textura la liga quien llama.
    void render();

    unsigned int getTextura() const { return textura; }
    uint32_t getCantidadActivas() const { return cantidadActivas; }
    // Las listas, de la más nueva a la más vieja.
    const Particula* getActivas() const { return activas; }
    const Particula* getLibres() const { return libres; }
    float getReloj() const { return reloj; }
    float getTamanioMaximo() const { return tamanioMaximo; }
    uint32_t getMaxParticulas() const { return maxParticulas; }
    uint32_t getCantidadPorTanda() const { return cantidadPorTanda; }
    float getIntervalo() const { return intervalo; }
    float getVida() const { return vida; }
    float getTamanioPunto() const { return tamanioPunto; }
    const Vec3& getColor() const { return color; }
    const Vec3& getPosicion() const { return posicion; }
    const Vec3& getVelocidadBase() const { return velocidadBase; }
    const Vec3& getGravedad() const { return gravedad; }
    const Vec3& getViento() const { return viento; }
    bool isResistenciaAire() const { return resistenciaAire; }
    float getDispersion() const { return dispersion; }
    const std::string& getArchivoTextura() const { return archivoTextura; }

private:
    void cargarTextura();
    bool soltar();

    Particula* activas = nullptr;
    Particula* libres = nullptr;
    uint32_t cantidadActivas = 0;
    float reloj = 0.0f;
    float ultimaTanda = 0.0f;
    float tamanioMaximo = 0.0f;
    unsigned int textura = 0;
    uint32_t maxParticulas = 1;
    uint32_t cantidadPorTanda = 1;
    float intervalo = 1.0f;
    float vida = 1.0f;
    float tamanioPunto = 0.5f;
    Vec3 color{1.0f, 1.0f, 1.0f};
    Vec3 posicion;
    Vec3 velocidadBase;
    Vec3 gravedad{0.0f, -9.8f, 0.0f};
    Vec3 viento;
    bool resistenciaAire = true;
    float dispersion = 0.0f;
    std::string archivoTextura = "resources/particle.bmp";
    bool listo = false;
};

#endif
