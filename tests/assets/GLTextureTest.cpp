#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "Ayudas.h"
#include "assets/GLTexture.h"

namespace {

std::string tga(const std::string& doce, int ancho, int alto, int bits, const std::string& pixeles) {
    std::string s = doce;
    Ayudas::agregarEntero(s, static_cast<uint32_t>(ancho), 2);
    Ayudas::agregarEntero(s, static_cast<uint32_t>(alto), 2);
    s += static_cast<char>(bits);
    s += '\0';
    return s + pixeles;
}

const std::string TIPO2("\0\0\2\0\0\0\0\0\0\0\0\0", 12);

std::vector<int> texeles(GLenum formato, int cantidad, int nivel = 0) {
    std::vector<unsigned char> t(static_cast<size_t>(cantidad));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, nivel, formato, GL_UNSIGNED_BYTE, t.data());
    return std::vector<int>(t.begin(), t.end());
}

GLint entero(GLenum nombre) {
    GLint v = -1;
    glGetIntegerv(nombre, &v);
    return v;
}

GLint nivel(GLenum nombre, int n) {
    GLint v = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, n, nombre, &v);
    return v;
}

}  // namespace

TEST(TexturaModelo, LectorTga) {
    const std::string seis("\1\2\3\4\5\6", 6);
    GLTexture::ImagenTga imagen;
    ASSERT_TRUE(GLTexture::leerTga(reinterpret_cast<const unsigned char*>(tga(TIPO2, 2, 1, 24, seis).data()),
                                   24, imagen));
    EXPECT_EQ(imagen.pixels, (std::vector<unsigned char>{3, 2, 1, 6, 5, 4}));
    ASSERT_TRUE(GLTexture::leerTga(
        reinterpret_cast<const unsigned char*>(tga(TIPO2, 1, 1, 32, "\1\2\3\4").data()), 22, imagen));
    EXPECT_EQ(imagen.pixels, (std::vector<unsigned char>{3, 2, 1, 4}));
    EXPECT_EQ(imagen.bits, 32);

    std::string conId = TIPO2, conOrigen = TIPO2, rle = TIPO2, paleta = TIPO2;
    conId[0] = 1;
    conOrigen[8] = 5;
    rle[2] = 10;
    paleta[1] = 1;
    const struct {
        const char* que;
        std::string bytes;
    } rechazados[] = {
        {"identificador", tga(conId, 2, 1, 24, seis)},
        {"origen", tga(conOrigen, 2, 1, 24, seis)},
        {"comprimido", tga(rle, 2, 1, 24, seis)},
        {"con paleta", tga(paleta, 2, 1, 24, seis)},
        {"16 bits", tga(TIPO2, 3, 1, 16, seis)},
        {"ancho 0", tga(TIPO2, 0, 1, 24, seis)},
        {"alto 0", tga(TIPO2, 2, 0, 24, seis)},
        {"píxeles cortos", tga(TIPO2, 2, 1, 24, seis.substr(0, 5))},
        {"enorme", tga(TIPO2, 65535, 65535, 32, seis)},
        {"cabecera corta", TIPO2 + "\2"},
    };
    for (const auto& r : rechazados) {
        EXPECT_FALSE(GLTexture::leerTga(reinterpret_cast<const unsigned char*>(r.bytes.data()),
                                        r.bytes.size(), imagen))
            << r.que;
    }
}

TEST(TexturaModelo, ArchivosTgaYTexturaDeColor) {
    Ayudas::juego();
    Ayudas::Carpeta carpeta(true);
    carpeta.escribir("casco.tga", tga(TIPO2, 2, 2, 24, "\1\2\3\4\5\6" "abcdef"));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    // El nombre se pasa a minúsculas antes de buscar la extensión y de abrir.
    GLTexture t;
    t.Load("\"CASCO.TGA\"");
    EXPECT_EQ(t.getFileName(), "casco.tga");
    ASSERT_NE(t.getTexture(), 0u);
    EXPECT_EQ(t.getWidth(), 2);
    EXPECT_EQ(t.getHeight(), 2);
    // Filas de 6 bytes: sin la alineación de 1 la segunda saldría corrida.
    EXPECT_EQ(texeles(GL_RGB, 12), (std::vector<int>{3, 2, 1, 6, 5, 4, 'c', 'b', 'a', 'f', 'e', 'd'}));
    EXPECT_EQ(entero(GL_UNPACK_ALIGNMENT), 4);
    EXPECT_EQ(nivel(GL_TEXTURE_WIDTH, 1), 1);
    GLint filtro = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filtro);
    EXPECT_EQ(filtro, GL_LINEAR_MIPMAP_NEAREST);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filtro);
    EXPECT_EQ(filtro, GL_LINEAR);

    // Un archivo que falta o que no sirve no cambia la textura.
    const unsigned int antes = t.getTexture();
    carpeta.escribir("malo.tga", tga(TIPO2, 3, 2, 16, std::string(12, 'x')));
    for (const char* nombre : {"malo.tga", "falta.tga", "sin-extension"}) {
        t.Load(nombre);
        EXPECT_EQ(t.getTexture(), antes) << nombre;
    }

    GLTexture rojo;
    rojo.BuildColorTexture(255, 0, 0);
    EXPECT_EQ(texeles(GL_RGB, 12), (std::vector<int>{255, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0}));
    EXPECT_EQ(texeles(GL_RGB, 3, 1), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(entero(GL_UNPACK_ALIGNMENT), 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

TEST(TexturaModelo, TgaEscritosPorImageMagick) {
    Ayudas::juego();
    Ayudas::Carpeta carpeta(true);
    carpeta.escribir("a.ppm", "P3\n2 2\n255\n255 0 0  0 255 0\n10 20 30  40 50 60\n");
    ASSERT_EQ(std::system("convert a.ppm -compress none c24.tga && convert a.ppm -alpha on -channel A "
                          "-evaluate set 50% +channel -compress none c32.tga"),
              0);
    GLTexture t24, t32;
    t24.Load("c24.tga");
    ASSERT_NE(t24.getTexture(), 0u);
    // ImageMagick escribe la fila de arriba primero: es la fila t = 0.
    EXPECT_EQ(texeles(GL_RGB, 12), (std::vector<int>{255, 0, 0, 0, 255, 0, 10, 20, 30, 40, 50, 60}));
    t32.Load("c32.tga");
    ASSERT_NE(t32.getTexture(), 0u);
    EXPECT_EQ(nivel(GL_TEXTURE_ALPHA_SIZE, 0), 8);
    EXPECT_EQ(texeles(GL_RGBA, 16), (std::vector<int>{255, 0, 0, 128, 0, 255, 0, 128, 10, 20, 30,
                                                      128, 40, 50, 60, 128}));
}
