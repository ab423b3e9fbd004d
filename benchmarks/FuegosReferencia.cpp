#include "FuegosReferencia.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL.h>

#include <cmath>
#include <random>

#include "CuadroReferencia.h"

namespace {

// Los valores de los fuegos del juego.
const float TAMANIO = 7.0f;
const GLfloat ATENUACION[] = {1.0f, 0.0f, 0.01f};
const float UMBRAL = 60.0f;
const int LADO_TEXTURA = 64;
const float RAPIDEZ = 10.0f;
const float VIDA = 0.3f;
const float COLORES[5][3] = {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 1}, {0, 1, 1}};
constexpr float PI = 3.1415927f;

PFNGLPOINTPARAMETERFARBPROC parametro = nullptr;
PFNGLPOINTPARAMETERFVARBPROC parametroVector = nullptr;

}  // namespace

// Cada grupo sale de un lugar al azar sobre el tablero (como los emisores)
// y está a la distancia que sus sprites recorren en una edad propia: las
// edades de los grupos cubren la vida de una explosión.
FuegosReferencia::FuegosReferencia() {
    std::minstd_rand azar(29);
    auto entre = [&azar](float a, float b) {
        return std::uniform_real_distribution<float>(a, b)(azar);
    };
    auto entero = [&azar](int a, int b) { return std::uniform_int_distribution<int>(a, b)(azar); };
    for (int g = 0; g < GRUPOS; g++) {
        const float x = static_cast<float>(entero(2, 17));
        const float y = static_cast<float>(entero(0, 14));
        const float z = static_cast<float>(entero(2, 6));
        const float radio = RAPIDEZ * VIDA * (static_cast<float>(g) + 0.5f) / GRUPOS;
        for (int i = 0; i < POR_GRUPO; i++) {
            const float dz = entre(-1.0f, 1.0f);
            const float anillo = std::sqrt(1.0f - dz * dz);
            const float t = entre(-PI, PI);
            puntos.insert(puntos.end(), {x + radio * anillo * std::cos(t),
                                         y + radio * anillo * std::sin(t), z + radio * dz});
        }
    }
    parametro = reinterpret_cast<PFNGLPOINTPARAMETERFARBPROC>(
        SDL_GL_GetProcAddress("glPointParameterfARB"));
    parametroVector = reinterpret_cast<PFNGLPOINTPARAMETERFVARBPROC>(
        SDL_GL_GetProcAddress("glPointParameterfvARB"));
    textura = CuadroReferencia::textura(LADO_TEXTURA, LADO_TEXTURA);
    glGetFloatv(GL_POINT_SIZE_MAX_ARB, &tamanioMaximo);
}

FuegosReferencia::~FuegosReferencia() {
    glDeleteTextures(1, &textura);
}

void FuegosReferencia::dibujar() const {
    if (!parametro || !parametroVector) return;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, textura);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_DST_ALPHA, GL_ONE);
    parametroVector(GL_POINT_DISTANCE_ATTENUATION_ARB, ATENUACION);
    parametro(GL_POINT_FADE_THRESHOLD_SIZE_ARB, UMBRAL);
    parametro(GL_POINT_SIZE_MIN_ARB, 1.0f);
    parametro(GL_POINT_SIZE_MAX_ARB, tamanioMaximo);
    glTexEnvf(GL_POINT_SPRITE_ARB, GL_COORD_REPLACE_ARB, 1.0f);
    glEnable(GL_POINT_SPRITE_ARB);
    glPointSize(TAMANIO);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, puntos.data());
    for (int g = 0; g < GRUPOS; g++) {
        glColor3fv(COLORES[g % 5]);
        glDrawArrays(GL_POINTS, g * POR_GRUPO, POR_GRUPO);
    }
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisable(GL_POINT_SPRITE_ARB);
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    glDisable(GL_TEXTURE_2D);
}
