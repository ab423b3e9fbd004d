#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "Ayudas.h"
#include "assets/GLTexture.h"
#include "assets/RgbImage.h"
#include "assets/TexturaBmp.h"

namespace {

using Bytes = std::string;

std::vector<int> texeles(GLenum formato, int cantidad) {
    unsigned char t[1024];
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, formato, GL_UNSIGNED_BYTE, t);
    return std::vector<int>(t, t + cantidad);
}

Bytes tga(int tipo, int ancho, int alto, int bits, const Bytes& pixeles, int id = 0) {
    Bytes s = {char(id), 0, char(tipo), 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Ayudas::agregarEntero(s, static_cast<uint32_t>(ancho | alto << 16), 4);
    return s + char(bits) + '\0' + pixeles;
}

// Un DIB con cabecera de archivo "BM" y de 40 bytes (o más); paleta en 0xRRGGBB.
Bytes dib(int cabecera, int ancho, int alto, int bits, const std::vector<uint32_t>& paleta,
          const Bytes& filas, int compresion = 0) {
    Bytes h;
    for (int v : {cabecera, ancho, alto, 1 | bits << 16, compresion, 0, 0, 0, int(paleta.size())})
        Ayudas::agregarEntero(h, v, 4);
    h.resize(cabecera, '\0');
    for (uint32_t c : paleta) Ayudas::agregarEntero(h, c, 4);
    Bytes s = "BM";
    for (size_t v : {14 + h.size() + filas.size(), size_t{0}, 14 + h.size()}) Ayudas::agregarEntero(s, v, 4);
    return s + h + filas;
}

// Los píxeles que da el lector, o su error.
Bytes decodificado(const Bytes& d) {
    const char* error = nullptr;
    RgbImage* i = decodificarDib(reinterpret_cast<const unsigned char*>(d.data()), d.size(), &error);
    if (!i) return error;
    const Bytes rgb(reinterpret_cast<char*>(i->data), size_t(i->width) * i->height * 3);
    std::free(i->data);
    std::free(i);
    return rgb;
}

}  // namespace

TEST(Texturas, TgaDelModeloYBitmaps) {
    Ayudas::juego();
    Carpeta carpeta(true);
    // Tipo 2 sin identificador ni origen, de 24 o 32 bits, se pasa a RGB; con .bmp y .tga, la TGA va después.
    carpeta.enlazarRecursos();
    carpeta.escribir("casco.bmp.tga", tga(2, 2, 2, 24, Bytes("\1\2\3\4\5\6abcdef", 12)));
    GLTexture t;
    t.Load("\"CASCO.BMP.TGA\"");
    // Filas de 6 bytes: sin la alineación de 1 la segunda saldría corrida.
    EXPECT_EQ(texeles(GL_RGB, 12), (std::vector<int>{3, 2, 1, 6, 5, 4, 'c', 'b', 'a', 'f', 'e', 'd'}));
    GLint filtros[2] = {};
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filtros);
    EXPECT_EQ(filtros[0], GL_LINEAR_MIPMAP_NEAREST);  // al achicarse usa sus mipmaps
    t.Load("otro.bmp");  // con .bmp, el bitmap del modelo, de 256 x 256
    EXPECT_EQ(t.getWidth(), 256);
    ASSERT_EQ(0, std::system("convert -size 1x1 xc:'rgba(10,20,30,0.6)' -compress none c.tga"));  // 32 bits
    t.Load("c.tga");
    EXPECT_EQ(texeles(GL_RGBA, 4), (std::vector<int>{10, 20, 30, 153}));
    // Lo rechazado deja la textura; ancho y alto, leídos tras una cabecera válida, se guardan igual.
    const unsigned nombre = t.getTexture();
    const std::tuple<Bytes, int, int> rechazados[] = {
        {tga(2, 5, 4, 16, Bytes(40, 0)), 5, 4}, {tga(2, 0, 7, 24, ""), 0, 7},
        {tga(2, 3, 2, 24, "\1\2\3"), 3, 2}, {tga(10, 9, 9, 24, Bytes(243, 0)), 3, 2},
        {tga(2, 9, 9, 24, Bytes(243, 0), 1), 3, 2}, {tga(2, 9, 9, 24, Bytes(243, 0)).replace(10, 1, "\1"), 3, 2}};
    for (const auto& [archivo, ancho, alto] : rechazados) {
        carpeta.escribir("d.tga", archivo);
        t.Load("d.tga");
        EXPECT_TRUE(t.getWidth() == ancho && t.getHeight() == alto && t.getTexture() == nombre) << ancho;
    }
    // Un bitmap de 32 bits sube con su alfa y sus canales en orden; al agrandar y al achicar, filtrado.
    ASSERT_EQ(0, std::system("convert -size 1x1 xc:'rgba(10,20,30,0.6)' -define bmp3:alpha=true BMP3:e.bmp && "
                             "convert -size 1x1 xc:'rgb(200,20,30)' -type palette BMP3:f.bmp"));
    unsigned bmp = 0;
    TexturaBmp::cargar("e.bmp", bmp);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filtros);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filtros + 1);
    EXPECT_TRUE(filtros[0] == GL_LINEAR && filtros[1] == GL_LINEAR);
    EXPECT_EQ(texeles(GL_RGBA, 4), (std::vector<int>{10, 20, 30, 153}));
    // Uno de paleta avisa y sube convertido (con un componente, el rojo).
    testing::internal::CaptureStderr();
    TexturaBmp::cargar("f.bmp", bmp);
    EXPECT_EQ(loadDibImage("falta.bmp"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Atencion: la imagen no esta en truecolor. El archivo puede estar da\xf1" "ado\nFailed to open DIB file falta.bmp.\n");
    EXPECT_EQ(texeles(GL_RGB, 3), (std::vector<int>{200, 0, 0}));
    const Bytes rojo("\xff\0\0", 3), verde("\0\xff\0", 3), azul("\0\0\xff", 3), otro("\x10\x20\x30", 3);
    const char *conversion = "Image file conversion error.", *memoria = "Out of memory.";
    const std::vector<uint32_t> paleta = {0xFF0000, 0x00FF00, 0x0000FF, 0x102030};
    // Tramos de 4 x 3 en RLE8 y de 4 x 2 en RLE4 con cada escape: lo que el flujo salta queda negro.
    const Bytes rle8("\2\1\0\3\2\3\0\0\0\0\0\2\1\1\5\3\0\1", 18);
    const Bytes rle4("\3\x12\0\3\x30\x10\0\0\0\5\x01\x23\x10\0\0\1", 16);
    const std::pair<Bytes, Bytes> casos[] = {
        // La fila de abajo va primero: 3 x 2 de 24 bits con el relleno de la fila, 2 x 1 de 1 bit
        // sin la cabecera "BM" y 1 x 2 de 32 bits guardado de arriba abajo.
        {dib(40, 3, 2, 24, {}, Bytes("\0\0\xff\0\xff\0\xff\0\0\0\0\0\x30\x20\x10\0\0\0\0\0\0\0\0\0", 24)),
         rojo + verde + azul + otro + Bytes(6, 0)},
        {dib(40, 2, 1, 1, {0xFF0000, 0x00FF00}, Bytes("\x80\0\0\0", 4)).substr(14), verde + rojo},
        {dib(40, 1, -2, 32, {}, Bytes("\xff\0\0\0\0\0\xff\0", 8)), rojo + azul},
        {dib(124, 1, 1, 24, {}, Bytes(4, 0)), "Unknown DIB file format."},
        {dib(40, 4, 3, 8, paleta, rle8, 1), verde + verde + azul + otro + Bytes(15, 0) + otro + otro + otro},
        {dib(40, 4, 2, 4, paleta, rle4, 2).substr(14), verde + azul + verde + otro + rojo + verde + azul + otro},
        // Cortado; fuera de la paleta, de arriba abajo o de 4 bits en RLE8; enorme.
        {dib(40, 2, 1, 8, paleta, Bytes("\0\4\1", 3), 1), verde + Bytes(3, 0)},
        {dib(40, 1, 1, 8, {1}, "\1\5", 1), conversion}, {dib(40, 1, -1, 8, paleta, "\1\1", 1), conversion},
        {dib(40, 1, 1, 4, paleta, "\1\1", 1), conversion}, {dib(40, 99999, 99999, 8, paleta, "", 1), memoria},
        // Una paleta de más en 16, 24 y 32 bits se salta; sin ancho o alto no hay sección.
        {dib(40, 1, 1, 16, {7}, Bytes("\x1f\0\0\0", 4)), azul},
        {dib(40, 1, 1, 24, {7, 8}, Bytes("\x30\x20\x10\0", 4)).substr(14), otro},
        {dib(40, 1, 1, 32, {7, 8, 9}, Bytes("\0\0\xff\0", 4)), rojo},
        {dib(40, 1, 1, 24, {}, Bytes("abcd\x30\x20\x10\0", 8)).replace(10, 1, "\x3a"), otro},  // píxeles donde dice "BM"
        {dib(40, 0, 1, 24, {}, ""), memoria}, {dib(40, 1, 0, 8, {}, ""), memoria},
        {dib(40, 40, 40, 24, {}, Bytes(30, 0)), conversion},               // filas cortadas
        {dib(40, 2, 1, 8, {0xFF0000}, Bytes("\0\5\0\0", 4)), conversion},  // índice fuera de la paleta
    };
    for (const auto& [archivo, esperado] : casos) EXPECT_EQ(decodificado(archivo), esperado);
    // La muestra de ImageMagick (1, 4, 8, 24 y 32 bits, cabecera vieja de 12 bytes, RLE8) como la lee él.
    for (const std::string opciones : {"-monochrome BMP3", "-colors 16 -type palette BMP3", "-type palette BMP3",
                                       "-type truecolor BMP3", "-alpha on -define bmp3:alpha=true BMP3",
                                       "-type palette BMP2", "-type palette -compress RLE BMP3"}) {
        ASSERT_EQ(0, std::system(("convert rose: -compress none " + opciones + ":b.bmp").c_str()));
        ASSERT_EQ(0, std::system("convert b.bmp -flip -depth 8 c.ppm"));
        EXPECT_TRUE(decodificado(leer("b.bmp")) == leer("c.ppm").substr(13)) << opciones;
    }
}
