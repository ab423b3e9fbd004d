#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Ayudas.h"
#include "SistemaPrueba.h"
#include "assets/RgbImage.h"

namespace {

using Bytes = std::string;
const char* const FORMATO = "Unknown DIB file format.";
const char* const CONVERSION = "Image file conversion error.";

Bytes b(std::initializer_list<int> lista) {
    return Bytes(lista.begin(), lista.end());
}

// Un DIB hecho a mano: paleta o máscaras en 0xRRGGBB, filas como van en el
// archivo y `hueco` bytes entre la paleta y las filas.
Bytes dib(int cabecera, int ancho, int alto, int bits, const std::vector<uint32_t>& paleta,
          const Bytes& filas, uint32_t compresion = 0, uint32_t usados = 0, bool conArchivo = true,
          int hueco = 0) {
    Bytes h;
    Ayudas::agregarEntero(h, cabecera, 4);
    Ayudas::agregarEntero(h, ancho, cabecera == 12 ? 2 : 4);
    Ayudas::agregarEntero(h, alto, cabecera == 12 ? 2 : 4);
    Ayudas::agregarEntero(h, 1 | bits << 16, 4);
    if (cabecera != 12) {
        Ayudas::agregarEntero(h, compresion, 4);
        h.resize(32, '\0');
        Ayudas::agregarEntero(h, usados, 4);
        h.resize(cabecera, '\0');
    }
    for (uint32_t c : paleta) Ayudas::agregarEntero(h, c, cabecera == 12 ? 3 : 4);
    h.append(hueco, 'U');
    if (!conArchivo) return h + filas;
    Bytes s = "BM";
    for (size_t v : {14 + h.size() + filas.size(), size_t{0}, 14 + h.size()})
        Ayudas::agregarEntero(s, v, 4);
    return s + h + filas;
}

// Paleta de 256 colores: el índice i es (i, 255 - i, i / 2).
const std::vector<uint32_t> PALETA = [] {
    std::vector<uint32_t> p;
    for (uint32_t i = 0; i < 256; ++i) p.push_back(i << 16 | (255 - i) << 8 | i / 2);
    return p;
}();
Bytes color(int i) {
    return b({i, 255 - i, i / 2});
}

Bytes imagen(int ancho, int alto, const Bytes& rgb) {
    return std::to_string(ancho) + "x" + std::to_string(alto) + ":" + rgb;
}

// La imagen como "ANCHOxALTO:" y sus bytes, o el texto del error.
Bytes decodificar(const Bytes& archivo) {
    const char* error = "sin tocar";
    RgbImage* img = decodificarDib(reinterpret_cast<const unsigned char*>(archivo.data()),
                                   archivo.size(), &error);
    if (!img) return error ? error : "nulo sin error";
    Bytes r = imagen(img->width, img->height,
                     Bytes(reinterpret_cast<char*>(img->data), img->width * img->height * 3));
    std::free(img->data);
    std::free(img);
    return error ? r + error : r;
}

}  // namespace

TEST(RgbImage, DecodificaLoQueAceptaYRechazaLoDemas) {
    // 3 x 3 de 24 bits: cada fila con 3 bytes de relleno que no deben quedar.
    Bytes filas24, rgb24;
    for (int i = 0; i < 9; ++i) {
        filas24 += b({3 * i + 1, 3 * i + 2, 3 * i + 3}) + Bytes(i % 3 == 2 ? 3 : 0, '\0');
        rgb24 += b({3 * i + 3, 3 * i + 2, 3 * i + 1});
    }
    const Bytes fila = b({1, 0, 0, 0});
    Bytes planos = dib(40, 1, 1, 8, PALETA, fila), lejos = dib(40, 1, 1, 24, {}, fila);
    planos[26] = 2;
    lejos[11] = 1;
    const struct {
        const char* nombre;
        Bytes archivo, esperado;
    } casos[] = {
        {"24 bits", dib(40, 3, 3, 24, {}, filas24), imagen(3, 3, rgb24)},
        {"8 bits", dib(40, 3, 2, 8, PALETA, b({0, 255, 7, 0, 1, 2, 3, 0})),
         imagen(3, 2, color(0) + color(255) + color(7) + color(1) + color(2) + color(3))},
        {"8 bits sin BM", dib(40, 1, 1, 8, {0x102030, 0x405060}, fila, 0, 2, false),
         imagen(1, 1, b({0x40, 0x50, 0x60}))},
        {"4 bits", dib(40, 3, 1, 4, {0x112233, 0x445566, 0x778899}, b({0x21, 0, 0, 0}), 0, 3),
         imagen(3, 1, b({0x77, 0x88, 0x99, 0x44, 0x55, 0x66, 0x11, 0x22, 0x33}))},
        {"1 bit", dib(40, 9, 1, 1, {0, 0xFFFFFF}, b({0xA0, 0x80, 0, 0})),
         imagen(9, 1, Bytes(3, -1) + Bytes(3, 0) + Bytes(3, -1) + Bytes(15, 0) + Bytes(3, -1))},
        {"OS/2", dib(12, 2, 1, 8, PALETA, b({9, 200, 0, 0})), imagen(2, 1, color(9) + color(200))},
        {"OS/2 sin BM", dib(12, 2, 1, 1, {0xFF0000, 0x00FF00}, b({0x40, 0, 0, 0}), 0, 0, false),
         imagen(2, 1, b({255, 0, 0, 0, 255, 0}))},
        {"de arriba abajo", dib(40, 1, -2, 24, {}, b({1, 2, 3, 0, 4, 5, 6, 0})),
         imagen(1, 2, b({6, 5, 4, 3, 2, 1}))},
        {"16 bits 565", dib(40, 2, 1, 16, {0xF800, 0x07E0, 0x001F}, b({0, 0xF8, 0, 0x04}), 3),
         imagen(2, 1, b({255, 0, 0, 0, 130, 0}))},
        {"32 bits RGB", dib(40, 1, 1, 32, {0xFF, 0xFF00, 0xFF0000}, b({1, 2, 3, 4}), 3),
         imagen(1, 1, b({1, 2, 3}))},
        {"filas donde dice BM", dib(40, 1, 1, 8, PALETA, b({5, 0, 0, 0}), 0, 0, true, 6),
         imagen(1, 1, color(5))},
        {"ancho máximo", dib(40, 16383, 1, 24, {}, Bytes(49152, 7)), imagen(16383, 1, Bytes(49149, 7))},
        {"vacío", "", FORMATO},
        {"V4", dib(108, 1, 1, 24, {}, fila), FORMATO},
        {"V5", dib(124, 1, 1, 24, {}, fila), FORMATO},
        {"RLE8", dib(40, 1, 1, 8, PALETA, fila, 1), CONVERSION},
        {"RLE4", dib(40, 1, 1, 4, PALETA, fila, 2, 16), CONVERSION},
        {"campos en 24 bits", dib(40, 1, 1, 24, {0xFF0000, 0xFF00, 0xFF}, fila, 3), CONVERSION},
        {"campos raros", dib(40, 2, 1, 16, {0xF000, 0x0F00, 0x00F0}, fila, 3), CONVERSION},
        {"2 planos", planos, CONVERSION},
        {"ancho 0", dib(40, 0, 1, 24, {}, fila), CONVERSION},
        {"alto 0", dib(40, 1, 0, 24, {}, fila), CONVERSION},
        {"17 colores en 4 bits", dib(40, 1, 1, 4, PALETA, fila, 0, 17), CONVERSION},
        {"paleta cortada", dib(40, 1, 1, 8, {0, 0, 0}, ""), CONVERSION},
        {"filas cortadas", dib(40, 3, 3, 24, {}, filas24.substr(1)), CONVERSION},
        {"filas más allá del final", lejos, CONVERSION},
        {"índice fuera de la paleta", dib(40, 2, 1, 4, {0, 0, 0}, b({0x03, 0, 0, 0}), 0, 3), CONVERSION},
        {"enorme", dib(40, 0x7FFFFFFF, 0x7FFFFFFF, 32, {}, fila), CONVERSION},
        {"más ancho que SDL 1.2", dib(40, 16384, 1, 24, {}, Bytes(49152, 0)), CONVERSION},
    };
    for (const auto& c : casos) EXPECT_EQ(decodificar(c.archivo), c.esperado) << c.nombre;
}

TEST(RgbImage, AvisaCadaFalloConTituloErrorYPorLaSalidaDeError) {
    Ayudas::Carpeta carpeta;
    const std::string falta = carpeta.ruta() + "/no_existe.bmp";
    const std::string vacio = carpeta.escribir("vacío.bmp", "");
    const std::string grande = carpeta.escribir("grande.bmp", "BM");
    ASSERT_EQ(truncate(grande.c_str(), (64 << 20) + 1), 0);
    const struct {
        std::string ruta, aviso;
    } casos[] = {
        {falta, "Failed to open DIB file " + falta + ".\n"},
        {vacio, "Failed to open DIB file " + vacio + ".\n"},
        {grande, "Out of memory."},
        {carpeta.escribir("v5.bmp", dib(124, 1, 1, 24, {}, Bytes(4, 0))), FORMATO},
        {carpeta.escribir("rle.bmp", dib(40, 1, 1, 8, PALETA, Bytes(4, 0), 1)), CONVERSION},
    };
    for (const auto& c : casos) {
        SistemaPrueba::borrarAvisos();
        testing::internal::CaptureStderr();
        EXPECT_EQ(loadDibImage(c.ruta.c_str()), nullptr) << c.ruta;
        const std::string linea = c.aviso.back() == '\n' ? c.aviso : c.aviso + "\n";
        EXPECT_EQ(testing::internal::GetCapturedStderr(), linea);
        ASSERT_EQ(SistemaPrueba::getAvisos().size(), 1u) << c.ruta;
        EXPECT_EQ(SistemaPrueba::getAvisos()[0].titulo, "Error");
        EXPECT_EQ(SistemaPrueba::getAvisos()[0].texto, c.aviso);
    }
}

TEST(RgbImage, LeeLosBmpQueEscribeImageMagick) {
    const struct {
        const char* opciones;
        int colores;  // 0: un color distinto por píxel
        int cabecera, bits;
    } casos[] = {
        {"-type palette -colors 2 -compress none BMP3", 2, 40, 1},
        {"-type palette -colors 16 -compress none BMP3", 5, 40, 4},
        {"-type palette -colors 200 -compress none BMP3", 40, 40, 8},
        {"-type truecolor BMP3", 0, 40, 24},
        {"-alpha on -define bmp3:alpha=true BMP3", 0, 40, 32},
        {"-type truecolor BMP2", 0, 12, 24},
        {"-type palette -colors 200 BMP2", 40, 12, 8},
    };
    Ayudas::Carpeta carpeta;
    const std::string destino = carpeta.ruta() + "/dibujo.bmp";
    for (const auto& c : casos) {
        // 7 x 5 píxeles; y = 0 es la fila de arriba, como en el PPM.
        auto pixel = [&](int x, int y) {
            const int k = c.colores ? (x + 3 * y) % c.colores : x * 5 + y;
            return b({k * 53 % 256, (k * 97 + 40) % 256, 255 - k * 6});
        };
        Bytes ppm = "P6 7 5 255\n", esperado;
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) ppm += pixel(x, y), esperado += pixel(x, 4 - y);
        const std::string orden = "/usr/bin/convert " + carpeta.escribir("dibujo.ppm", ppm) +
                                  " +dither " + c.opciones + ":" + destino;
        ASSERT_EQ(std::system(orden.c_str()), 0) << orden;
        std::stringstream archivo;
        archivo << std::ifstream(destino, std::ios::binary).rdbuf();
        ASSERT_GT(archivo.str().size(), 30u);
        EXPECT_EQ(archivo.str()[14], c.cabecera) << c.opciones;
        EXPECT_EQ(archivo.str()[c.cabecera == 12 ? 24 : 28], c.bits) << c.opciones;
        EXPECT_EQ(decodificar(archivo.str()), imagen(7, 5, esperado)) << c.opciones;
        RgbImage* img = loadDibImage(destino.c_str());
        ASSERT_NE(img, nullptr) << c.opciones;
        std::free(img->data);
        std::free(img);
    }
}
