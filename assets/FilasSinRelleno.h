#ifndef VQ_FILAS_SIN_RELLENO_H
#define VQ_FILAS_SIN_RELLENO_H

#include <GL/gl.h>

// Mientras vive, OpenGL lee las filas de las imágenes byte a byte (vienen sin
// relleno); al terminar deja la alineación como estaba para quien suba después.
class FilasSinRelleno {
public:
    FilasSinRelleno() {
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &anterior);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    }
    ~FilasSinRelleno() { glPixelStorei(GL_UNPACK_ALIGNMENT, anterior); }
    FilasSinRelleno(const FilasSinRelleno&) = delete;
    FilasSinRelleno& operator=(const FilasSinRelleno&) = delete;

private:
    GLint anterior = 4;
};

#endif
