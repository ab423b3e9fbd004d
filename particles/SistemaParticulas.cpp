#include "particles/SistemaParticulas.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>

#include "assets/FilasSinRelleno.h"
#include "assets/RgbImage.h"
#include "core/Escala.h"
#include "core/Sistema.h"
#include "playfield/Gvector.h"

namespace {

// Las funciones de la extensión, las mismas para todos los sistemas.
PFNGLPOINTPARAMETERFARBPROC parametroPunto = nullptr;
PFNGLPOINTPARAMETERFVARBPROC parametroPuntoVector = nullptr;

constexpr float PI = 3.1415927f;
const GLfloat ATENUACION[] = {1.0f, 0.0f, 0.01f};

// El rand de glibc llega hasta RAND_MAX = 2147483647, no hasta 32767: se
// divide por RAND_MAX para que r quede entre 0 y 1.
float aleatorio(float a, float b) {
    const float r = static_cast<float>(std::rand() / static_cast<double>(RAND_MAX));
    return a + (b - a) * r;
}

Vec3 direccionAleatoria() {
    const float z = aleatorio(-1.0f, 1.0f);
    const float radio = raizCuadrada(1.0f - z * z);
    const float t = aleatorio(-PI, PI);
    return {std::cos(t) * radio, std::sin(t) * radio, z};
}

void liberar(Particula* lista) {
    while (lista) {
        Particula* siguiente = lista->siguiente;
        delete lista;
        lista = siguiente;
    }
}

}  // namespace

SistemaParticulas::SistemaParticulas() = default;

SistemaParticulas::~SistemaParticulas() {
    if (textura) glDeleteTextures(1, &textura);
    liberar(activas);
    liberar(libres);
}

int SistemaParticulas::inicializar() {
    const char* extensiones = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (!extensiones || !std::strstr(extensiones, "GL_ARB_point_parameters")) return 0;
    auto f = reinterpret_cast<PFNGLPOINTPARAMETERFARBPROC>(Sistema::funcionGL("glPointParameterfARB"));
    auto fv =
        reinterpret_cast<PFNGLPOINTPARAMETERFVARBPROC>(Sistema::funcionGL("glPointParameterfvARB"));
    // Una búsqueda fallida no borra las funciones que otro sistema ya usa.
    if (!f || !fv) return 0;
    parametroPunto = f;
    parametroPuntoVector = fv;
    cargarTextura();
    glGetFloatv(GL_POINT_SIZE_MAX_ARB, &tamanioMaximo);
    glPointSize(tamanioMaximo);
    listo = true;
    return 1;
}

void SistemaParticulas::cargarTextura() {
    RgbImage* imagen = loadDibImage(archivoTextura.c_str());
    if (!imagen) return;
    glGenTextures(1, &textura);
    glBindTexture(GL_TEXTURE_2D, textura);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    FilasSinRelleno filas;
    glTexImage2D(GL_TEXTURE_2D, 0, 3, imagen->width, imagen->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 imagen->data);
    std::free(imagen->data);
    std::free(imagen);
}

uint32_t SistemaParticulas::actualizar(float dt) {
    reloj += dt;
    Particula** enlace = &activas;
    while (Particula* p = *enlace) {
        if (reloj - p->nacimiento >= vida) {
            *enlace = p->siguiente;
            p->siguiente = libres;
            libres = p;
            --cantidadActivas;
        } else {
            p->velocidad += gravedad * dt;
            if (resistenciaAire) p->velocidad += (viento - p->velocidad) * dt;
            p->posicion += p->velocidad * dt;
            enlace = &p->siguiente;
        }
    }
    if (reloj - ultimaTanda > intervalo) {
        ultimaTanda = reloj;
        // Lleno y sin repuestos, la tanda no suelta nada.
        for (uint32_t i = 0; i < cantidadPorTanda && cantidadActivas < maxParticulas; ++i) {
            if (!soltar()) return SIN_MEMORIA;
        }
    }
    glGetFloatv(GL_POINT_SIZE_MAX_ARB, &tamanioMaximo);
    return 0;
}

bool SistemaParticulas::soltar() {
    Particula* p = libres;
    if (p) {
        libres = p->siguiente;
    } else {
        p = new (std::nothrow) Particula;
        if (!p) return false;
    }
    p->siguiente = activas;
    activas = p;
    p->velocidad = velocidadBase;
    if (dispersion != 0.0f) p->velocidad += direccionAleatoria() * dispersion;
    p->nacimiento = reloj;
    p->posicion = posicion;
    ++cantidadActivas;
    return true;
}

void SistemaParticulas::render() {
    // Sin la extensión no hay funciones de parámetros de punto que llamar.
    if (!listo) return;
    parametroPuntoVector(GL_POINT_DISTANCE_ATTENUATION_ARB, ATENUACION);
    // Los tamaños van en píxeles: a escala n, n veces más grandes para verse igual.
    const float escala = static_cast<float>(Escala::getInstance()->getFactor());
    parametroPunto(GL_POINT_FADE_THRESHOLD_SIZE_ARB, 60.0f * escala);
    parametroPunto(GL_POINT_SIZE_MIN_ARB, 1.0f);
    parametroPunto(GL_POINT_SIZE_MAX_ARB, tamanioMaximo);
    glTexEnvf(GL_POINT_SPRITE_ARB, GL_COORD_REPLACE_ARB, 1.0f);
    glEnable(GL_POINT_SPRITE_ARB);
    glPointSize(tamanioPunto * escala);
    glColor3f(color.x, color.y, color.z);
    glBegin(GL_POINTS);
    for (const Particula* p = activas; p; p = p->siguiente)
        glVertex3f(p->posicion.x, p->posicion.y, p->posicion.z);
    glEnd();
    glDisable(GL_POINT_SPRITE_ARB);
}
