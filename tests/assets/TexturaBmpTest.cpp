#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>

#include "Ayudas.h"
#include "assets/TexturaBmp.h"

namespace {

GLint parametro(GLenum nombre, int nivel = 0) {
    GLint v = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, nivel, nombre, &v);
    return v;
}

// BMP de 32 bits con campos de bits: rojo en el byte más bajo.
std::string bmp32RojoPrimero(int ancho, int alto) {
    std::string s = "BM";
    Ayudas::agregarEntero(s, 66 + ancho * alto * 4, 4);
    Ayudas::agregarEntero(s, 0, 4);
    Ayudas::agregarEntero(s, 66, 4);
    Ayudas::agregarEntero(s, 40, 4);
    Ayudas::agregarEntero(s, ancho, 4);
    Ayudas::agregarEntero(s, alto, 4);
    Ayudas::agregarEntero(s, 1, 2);
    Ayudas::agregarEntero(s, 32, 2);
    Ayudas::agregarEntero(s, 3, 4);  // BI_BITFIELDS
    for (int i = 0; i < 5; i++) Ayudas::agregarEntero(s, 0, 4);
    Ayudas::agregarEntero(s, 0x000000FF, 4);
    Ayudas::agregarEntero(s, 0x0000FF00, 4);
    Ayudas::agregarEntero(s, 0x00FF0000, 4);
    for (int i = 0; i < ancho * alto; i++) Ayudas::agregarEntero(s, 0xFF102030u, 4);
    return s;
}

// BMP de paleta de 8 bits: un solo color, índice 0.
std::string bmp8(int ancho, int alto) {
    const int fila = (ancho + 3) / 4 * 4;
    std::string s = "BM";
    Ayudas::agregarEntero(s, 54 + 256 * 4 + fila * alto, 4);
    Ayudas::agregarEntero(s, 0, 4);
    Ayudas::agregarEntero(s, 54 + 256 * 4, 4);
    Ayudas::agregarEntero(s, 40, 4);
    Ayudas::agregarEntero(s, ancho, 4);
    Ayudas::agregarEntero(s, alto, 4);
    Ayudas::agregarEntero(s, 1, 2);
    Ayudas::agregarEntero(s, 8, 2);
    for (int i = 0; i < 4; i++) Ayudas::agregarEntero(s, 0, 4);
    Ayudas::agregarEntero(s, 256, 4);
    Ayudas::agregarEntero(s, 0, 4);
    for (int i = 0; i < 256; i++) Ayudas::agregarEntero(s, i == 0 ? 0x00C08040u : 0u, 4);
    s.append(static_cast<size_t>(fila * alto), '\0');
    return s;
}

}  // namespace

TEST(TexturaBmp, BitmapDeVeinticuatroBits) {
    Ayudas::juego();
    Ayudas::Carpeta carpeta;
    // Arriba a la izquierda rojo puro: comprueba el orden BGR y que la fila
    // de arriba de la imagen sea la fila t = 0.
    const std::string archivo = carpeta.escribir("prueba.bmp",
        Ayudas::bmp24(12, 6, [](int x, int y) -> Ayudas::Color {
            return x == 0 && y == 0 ? Ayudas::Color{255, 0, 0} : Ayudas::Color{10, 20, 30};
        }));
    glEnable(GL_TEXTURE_2D);
    unsigned int textura = 0;
    TexturaBmp::cargar(archivo.c_str(), textura);
    EXPECT_NE(textura, 0u);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    GLint ligada = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &ligada);
    EXPECT_EQ(static_cast<unsigned int>(ligada), textura);

    EXPECT_EQ(parametro(GL_TEXTURE_WIDTH), 12);
    EXPECT_EQ(parametro(GL_TEXTURE_HEIGHT), 6);
    EXPECT_EQ(parametro(GL_TEXTURE_RED_SIZE), 8);
    EXPECT_EQ(parametro(GL_TEXTURE_ALPHA_SIZE), 0);
    EXPECT_EQ(parametro(GL_TEXTURE_WIDTH, 1), 0);  // sin mipmaps
    GLint filtro = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filtro);
    EXPECT_EQ(filtro, GL_LINEAR);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filtro);
    EXPECT_EQ(filtro, GL_LINEAR);

    unsigned char texeles[12 * 6 * 3];
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texeles);
    EXPECT_EQ(texeles[0], 255);
    EXPECT_EQ(texeles[1], 0);
    EXPECT_EQ(texeles[2], 0);
    EXPECT_EQ(texeles[3], 10);
    EXPECT_EQ(texeles[5], 30);

    // Otra carga deja otro nombre.
    unsigned int anterior = textura;
    TexturaBmp::cargar(archivo.c_str(), textura);
    EXPECT_NE(textura, anterior);
}

TEST(TexturaBmp, TreintaYDosBitsConRojoPrimeroYPaletaConAviso) {
    Ayudas::juego();
    Ayudas::Carpeta carpeta;
    unsigned int textura = 0;
    TexturaBmp::cargar(carpeta.escribir("rgba.bmp", bmp32RojoPrimero(4, 2)).c_str(), textura);
    EXPECT_EQ(parametro(GL_TEXTURE_WIDTH), 4);
    EXPECT_EQ(parametro(GL_TEXTURE_ALPHA_SIZE), 8);
    unsigned char texel[4 * 2 * 4];
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
    EXPECT_EQ(texel[0], 0x30);
    EXPECT_EQ(texel[1], 0x20);
    EXPECT_EQ(texel[2], 0x10);

    testing::internal::CaptureStderr();
    TexturaBmp::cargar(carpeta.escribir("paleta.bmp", bmp8(5, 3)).c_str(), textura);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Atencion: la imagen no esta en truecolor. El archivo puede estar da\xf1" "ado\n");
    EXPECT_EQ(parametro(GL_TEXTURE_WIDTH), 5);
    EXPECT_EQ(parametro(GL_TEXTURE_HEIGHT), 3);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST(TexturaBmpMuerte, UnBitmapQueFaltaTerminaConEstadoCero) {
    unsigned int textura = 0;
    EXPECT_EXIT(TexturaBmp::cargar("resources/no_existe.bmp", textura),
                testing::ExitedWithCode(0),
                "^No se puede cargar el bitmap: resources/no_existe\\.bmp\n$");
    Ayudas::Carpeta carpeta;
    const std::string roto = carpeta.escribir("roto.bmp", "BM esto no es un bitmap");
    EXPECT_EXIT(TexturaBmp::cargar(roto.c_str(), textura), testing::ExitedWithCode(0),
                "No se puede cargar el bitmap: /tmp/vq-prueba.*/roto\\.bmp\n");
}
