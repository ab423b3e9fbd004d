#include "assets/TexturaBmp.h"

#include <GL/gl.h>
#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <string>

#ifndef GL_BGR_EXT
#define GL_BGR_EXT 0x80E0
#endif
#ifndef GL_BGRA_EXT
#define GL_BGRA_EXT 0x80E1
#endif

namespace {

// Una imagen de paleta o de 16 bits pasa a RGB de 24 bits, para que la
// subida con GL_RGB no lea más allá de sus píxeles.
SDL_Surface* aRgb24(SDL_Surface* original) {
    SDL_PixelFormat formato = {};
    formato.BitsPerPixel = 24;
    formato.BytesPerPixel = 3;
    if (SDL_BYTEORDER == SDL_LIL_ENDIAN) {
        formato.Rmask = 0x0000FF;
        formato.Gmask = 0x00FF00;
        formato.Bmask = 0xFF0000;
        formato.Gshift = 8;
        formato.Bshift = 16;
    } else {
        formato.Rmask = 0xFF0000;
        formato.Gmask = 0x00FF00;
        formato.Bmask = 0x0000FF;
        formato.Rshift = 16;
        formato.Gshift = 8;
    }
    return SDL_ConvertSurface(original, &formato, SDL_SWSURFACE);
}

}  // namespace

void TexturaBmp::cargar(const char* nombreArchivo, unsigned int& destino) {
    const std::string nombre(nombreArchivo);
    SDL_Surface* superficie = SDL_LoadBMP_RW(SDL_RWFromFile(nombre.c_str(), "rb"), 1);
    if (superficie == nullptr) {
        std::fprintf(stderr, "No se puede cargar el bitmap: %s\n", nombre.c_str());
        std::fflush(stderr);
        std::exit(0);
    }

    const int bytesPorPixel = superficie->format->BytesPerPixel;
    const bool rojoPrimero = superficie->format->Rmask == 0xFF;
    GLenum formato = GL_RGB;
    SDL_Surface* datos = superficie;
    if (bytesPorPixel == 4) {
        formato = rojoPrimero ? GL_RGBA : GL_BGRA_EXT;
    } else if (bytesPorPixel == 3) {
        formato = rojoPrimero ? GL_RGB : GL_BGR_EXT;
    } else {
        std::fprintf(stderr,
                     "Atencion: la imagen no esta en truecolor. El archivo puede estar da\xf1" "ado\n");
        datos = aRgb24(superficie);
    }

    glEnable(GL_TEXTURE_2D);
    glGenTextures(1, &destino);
    glBindTexture(GL_TEXTURE_2D, destino);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    if (datos != nullptr) {
        glTexImage2D(GL_TEXTURE_2D, 0, bytesPorPixel, superficie->w, superficie->h, 0, formato,
                     GL_UNSIGNED_BYTE, datos->pixels);
    }
    glDisable(GL_TEXTURE_2D);

    if (datos != superficie) SDL_FreeSurface(datos);
    SDL_FreeSurface(superficie);
}
