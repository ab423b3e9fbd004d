#include "assets/GLTexture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "assets/ArchivoBinario.h"
#include "assets/FilasSinRelleno.h"
#include "assets/RgbImage.h"

namespace {

const char* const IMAGEN_BMP = "resources/hyperb.bmp";
const size_t LARGO_CABECERA_TGA = 18;
// Lo que una textura de material puede pesar en disco; ninguna se acerca.
const size_t TOPE_TGA = 64u << 20;
// Sin identificador, sin paleta, tipo 2, paleta vacía y origen (0, 0).
const unsigned char CABECERA_TGA[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};

}  // namespace

std::string GLTexture::sinComillas(const std::string& nombre) {
    if (nombre.find('"') == std::string::npos) return nombre;
    const size_t inicio = nombre.find_first_not_of('"');
    if (inicio == std::string::npos) return "";
    return nombre.substr(inicio, nombre.find('"', inicio) - inicio);
}

GLTexture::~GLTexture() {
    if (texture != 0) glDeleteTextures(1, &texture);
}

void GLTexture::Load(const char* nombre) {
    fileName = nombre;
    for (char& c : fileName) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    fileName = sinComillas(fileName);
    if (fileName.find(".bmp") != std::string::npos) cargarBmp();
    if (fileName.find(".tga") != std::string::npos) cargarTga();
}

void GLTexture::cargarBmp() {
    RgbImage* imagen = loadDibImage(IMAGEN_BMP);
    if (imagen == nullptr) return;
    width = imagen->width;
    height = imagen->height;
    subir(3, width, height, GL_RGB, imagen->data);
    std::free(imagen->data);
    std::free(imagen);
}

void GLTexture::cargarTga() {
    std::vector<unsigned char> bytes;
    if (ArchivoBinario::leer(fileName.c_str(), TOPE_TGA, bytes) != ArchivoBinario::Resultado::Leido)
        return;
    ImagenTga imagen;
    imagen.width = width;
    imagen.height = height;
    const bool leida = leerTga(bytes.data(), bytes.size(), imagen);
    width = imagen.width;
    height = imagen.height;
    if (!leida) return;
    const GLenum formato = imagen.bits == 24 ? GL_RGB : GL_RGBA;
    subir(static_cast<int>(formato), width, height, formato, imagen.pixels.data());
}

bool GLTexture::leerTga(const unsigned char* datos, size_t largo, ImagenTga& imagen) {
    if (largo < LARGO_CABECERA_TGA || std::memcmp(datos, CABECERA_TGA, sizeof CABECERA_TGA) != 0)
        return false;
    const int ancho = datos[12] | datos[13] << 8;
    const int alto = datos[14] | datos[15] << 8;
    const int bits = datos[16];
    imagen.width = ancho;
    imagen.height = alto;
    if (ancho == 0 || alto == 0 || (bits != 24 && bits != 32)) return false;
    const size_t bytesPixel = static_cast<size_t>(bits / 8);
    const size_t total = static_cast<size_t>(ancho) * static_cast<size_t>(alto) * bytesPixel;
    if (total > largo - LARGO_CABECERA_TGA) return false;
    imagen.bits = bits;
    imagen.pixels.assign(datos + LARGO_CABECERA_TGA, datos + LARGO_CABECERA_TGA + total);
    // El archivo guarda azul, verde, rojo: se cambian el primero y el tercero.
    for (size_t i = 0; i < total; i += bytesPixel) std::swap(imagen.pixels[i], imagen.pixels[i + 2]);
    return true;
}

void GLTexture::BuildColorTexture(unsigned char r, unsigned char g, unsigned char b) {
    unsigned char imagen[12];
    for (int i = 0; i < 12; i += 3) {
        imagen[i] = r;
        imagen[i + 1] = g;
        imagen[i + 2] = b;
    }
    nombreNuevo();
    // Queda en 1 para siempre: las subidas que vengan leen sus filas byte a byte.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, 2, 2, GL_RGB, GL_UNSIGNED_BYTE, imagen);
}

void GLTexture::subir(int componentes, int ancho, int alto, unsigned int formato,
                      const unsigned char* pixeles) {
    nombreNuevo();
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    FilasSinRelleno filas;
    gluBuild2DMipmaps(GL_TEXTURE_2D, componentes, ancho, alto, formato, GL_UNSIGNED_BYTE, pixeles);
}

// Una textura que se vuelve a cargar no deja huérfana a la anterior.
void GLTexture::nombreNuevo() {
    if (texture != 0) glDeleteTextures(1, &texture);
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
}

void GLTexture::Bind() const {
    glBindTexture(GL_TEXTURE_2D, texture);
}
