#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "Ayudas.h"
#include "SistemaPrueba.h"
#include "assets/RgbImage.h"

namespace {

const char* const FORMATO = "Unknown DIB file format.";
const char* const CONVERSION = "Image file conversion error.";

using Bytes = std::string;

Bytes bytes(std::initializer_list<int> lista) {
    return Bytes(lista.begin(), lista.end());
}

// Un DIB hecho a mano. La paleta (o las máscaras) en 0xRRGGBB, las filas tal
// cual van en el archivo; `hueco` separa la paleta de las filas.
Bytes dib(int cabecera, int ancho, int alto, int bits, const std::vector<uint32_t>& paleta,
          const Bytes& filas, uint32_t compresion = 0, uint32_t usados = 0, bool conArchivo = true,
          int hueco = 0) {
    Bytes h;
    Ayudas::agregarEntero(h, cabecera, 4);
    const int medida = cabecera == 12 ? 2 : 4;
    Ayudas::agregarEntero(h, ancho, medida);
    Ayudas::agregarEntero(h, alto, medida);
    Ayudas::agregarEntero(h, 1, 2);
    Ayudas::agregarEntero(h, bits, 2);
    if (cabecera != 12) {
        Ayudas::agregarEntero(h, compresion, 4);
        h.resize(32, '\0');
        Ayudas::agregarEntero(h, usados, 4);
        h.resize(cabecera, '\0');
    }
    for (uint32_t c : paleta) Ayudas::agregarEntero(h, c, cabecera == 12 ? 3 : 4);
    h.append(hueco, '\x55');
    if (!conArchivo) return h + filas;
    Bytes s = "BM";
    Ayudas::agregarEntero(s, 14 + h.size() + filas.size(), 4);
    Ayudas::agregarEntero(s, 0, 4);
    Ayudas::agregarEntero(s, 14 + h.size(), 4);
    return s + h + filas;
}

// Índice i: rojo i, verde 255 - i, azul i / 2.
const std::vector<uint32_t> PALETA = [] {
    std::vector<uint32_t> p;
    for (uint32_t i = 0; i < 256; ++i) p.push_back(i << 16 | (255 - i) << 8 | i / 2);
    return p;
}();
Bytes color(int i) {
    return bytes({i, 255 - i, i / 2});
}

// Bytes de 1 a n, de tres en tres, y los mismos tríos dados vuelta.
Bytes serie(int n, bool alReves) {
    Bytes s;
    for (int i = 1; i <= n; i += 3) s += alReves ? bytes({i + 2, i + 1, i}) : bytes({i, i + 1, i + 2});
    return s;
}

Bytes decodificar(const Bytes& archivo, int* ancho, int* alto, const char** error) {
    RgbImage* img = decodificarDib(reinterpret_cast<const unsigned char*>(archivo.data()),
                                   archivo.size(), error);
    if (!img) return "";
    *ancho = img->width;
    *alto = img->height;
    Bytes rgb(reinterpret_cast<char*>(img->data), img->width * img->height * 3);
    std::free(img->data);
    std::free(img);
    return rgb;
}

}  // namespace

TEST(RgbImage, DecodificaCadaFormatoAceptado) {
    const Bytes pad3(3, '\0'), pad2(2, '\0');
    const Bytes tres = serie(27, false);
    struct Caso {
        const char* nombre;
        Bytes archivo;
        int ancho, alto;
        Bytes rgb;
    } casos[] = {
        {"24 bits con relleno",
         dib(40, 3, 3, 24, {}, tres.substr(0, 9) + pad3 + tres.substr(9, 9) + pad3 + tres.substr(18) + pad3),
         3, 3, serie(27, true)},
        {"8 bits, 256 colores", dib(40, 3, 2, 8, PALETA, bytes({0, 255, 7, 0, 1, 2, 3, 0})), 3, 2,
         color(0) + color(255) + color(7) + color(1) + color(2) + color(3)},
        {"8 bits sin BM", dib(40, 1, 1, 8, {0x102030, 0x405060}, bytes({1, 0, 0, 0}), 0, 2, false),
         1, 1, bytes({0x40, 0x50, 0x60})},
        {"4 bits, 3 colores", dib(40, 3, 1, 4, {0x112233, 0x445566, 0x778899}, bytes({0x21, 0, 0, 0}), 0, 3),
         3, 1, bytes({0x77, 0x88, 0x99, 0x44, 0x55, 0x66, 0x11, 0x22, 0x33})},
        {"1 bit, 9 de ancho", dib(40, 9, 1, 1, {0, 0xFFFFFF}, bytes({0xA0, 0x80, 0, 0})), 9, 1,
         Bytes(3, '\xff') + Bytes(3, 0) + Bytes(3, '\xff') + Bytes(15, 0) + Bytes(3, '\xff')},
        {"cabecera de 12, paleta de 3 bytes", dib(12, 2, 1, 8, PALETA, bytes({9, 200, 0, 0})), 2, 1,
         color(9) + color(200)},
        {"cabecera de 12 sin BM", dib(12, 2, 1, 1, {0xFF0000, 0x00FF00}, bytes({0x40, 0, 0, 0}), 0, 0, false),
         2, 1, bytes({255, 0, 0, 0, 255, 0})},
        {"cabecera de 12, 24 bits", dib(12, 3, 1, 24, {}, tres.substr(0, 9) + pad3), 3, 1, serie(9, true)},
        {"de arriba abajo", dib(40, 1, -2, 24, {}, serie(3, false) + Bytes(1, 0) + serie(6, false).substr(3) + Bytes(1, 0)),
         1, 2, serie(6, true).substr(3) + serie(3, true)},
        {"16 bits 555", dib(40, 3, 1, 16, {}, bytes({0, 0x7C, 0xE0, 0x03, 0x10, 0x02}) + pad2), 3, 1,
         bytes({255, 0, 0, 0, 255, 0, 0, 132, 132})},
        {"16 bits 565 por campos",
         dib(40, 3, 1, 16, {0xF800, 0x07E0, 0x001F}, bytes({0, 0xF8, 0xE0, 0x07, 0, 0x04}) + pad2, 3),
         3, 1, bytes({255, 0, 0, 0, 255, 0, 0, 130, 0})},
        {"32 bits", dib(40, 1, 1, 32, {}, bytes({1, 2, 3, 4})), 1, 1, bytes({3, 2, 1})},
        {"32 bits, rojo primero", dib(40, 1, 1, 32, {0xFF, 0xFF00, 0xFF0000}, bytes({1, 2, 3, 4}), 3), 1, 1,
         bytes({1, 2, 3})},
        {"filas donde dice BM", dib(40, 1, 1, 8, PALETA, bytes({5, 0, 0, 0}), 0, 0, true, 6), 1, 1, color(5)},
        {"ancho máximo de SDL 1.2", dib(40, 16383, 1, 24, {}, Bytes(49152, '\x07')), 16383, 1,
         Bytes(49149, '\x07')},
    };
    for (const Caso& c : casos) {
        int ancho = 0, alto = 0;
        const char* error = "sin tocar";
        EXPECT_EQ(decodificar(c.archivo, &ancho, &alto, &error), c.rgb) << c.nombre;
        EXPECT_EQ(error, nullptr) << c.nombre;
        EXPECT_EQ(ancho, c.ancho) << c.nombre;
        EXPECT_EQ(alto, c.alto) << c.nombre;
    }
}

TEST(RgbImage, RechazaLoQueNoSabeLeer) {
    const Bytes fila = bytes({1, 0, 0, 0});
    Bytes planos = dib(40, 1, 1, 8, PALETA, fila);
    planos[26] = 2;
    Bytes lejos = dib(40, 1, 1, 24, {}, fila);
    lejos[11] = 1;
    struct Caso {
        const char* nombre;
        Bytes archivo;
        const char* mensaje;
    } casos[] = {
        {"vacío", "", FORMATO},
        {"sólo BM", "BM", FORMATO},
        {"V4", dib(108, 1, 1, 24, {}, fila), FORMATO},
        {"V5", dib(124, 1, 1, 24, {}, fila), FORMATO},
        {"OS/2 2", dib(64, 1, 1, 24, {}, fila), FORMATO},
        {"cabecera cortada", dib(40, 1, 1, 24, {}, "").substr(0, 40), CONVERSION},
        {"RLE8", dib(40, 1, 1, 8, PALETA, fila, 1), CONVERSION},
        {"RLE4", dib(40, 1, 1, 4, PALETA, fila, 2, 16), CONVERSION},
        {"campos con 24 bits", dib(40, 1, 1, 24, {0xFF0000, 0xFF00, 0xFF}, fila, 3), CONVERSION},
        {"campos raros", dib(40, 2, 1, 16, {0xF000, 0x0F00, 0x00F0}, fila, 3), CONVERSION},
        {"2 bits", dib(40, 1, 1, 2, {0, 0, 0, 0}, fila), CONVERSION},
        {"2 planos", planos, CONVERSION},
        {"ancho 0", dib(40, 0, 1, 24, {}, fila), CONVERSION},
        {"ancho negativo", dib(40, -1, 1, 24, {}, fila), CONVERSION},
        {"alto 0", dib(40, 1, 0, 24, {}, fila), CONVERSION},
        {"17 colores en 4 bits", dib(40, 1, 1, 4, PALETA, fila, 0, 17), CONVERSION},
        {"paleta cortada", dib(40, 1, 1, 8, {0, 0, 0}, ""), CONVERSION},
        {"filas cortadas", dib(40, 3, 3, 24, {}, Bytes(35, 0)), CONVERSION},
        {"filas más allá del final", lejos, CONVERSION},
        {"índice fuera de la paleta", dib(40, 1, 1, 8, {0, 0}, bytes({2, 0, 0, 0}), 0, 2), CONVERSION},
        {"índice 3 con 3 colores", dib(40, 2, 1, 4, {0, 0, 0}, bytes({0x03, 0, 0, 0}), 0, 3), CONVERSION},
        {"bit en 1 con 1 color", dib(40, 8, 1, 1, {0}, bytes({0x01, 0, 0, 0}), 0, 1), CONVERSION},
        {"enorme", dib(40, 0x7FFFFFFF, 0x7FFFFFFF, 32, {}, fila), CONVERSION},
        {"alto mínimo", dib(40, 1, -0x7FFFFFFF - 1, 24, {}, fila), CONVERSION},
        {"más ancho que SDL 1.2", dib(40, 16384, 1, 24, {}, Bytes(49152, 0)), CONVERSION},
        {"más alto que SDL 1.2", dib(40, 1, 65536, 1, {0, 0}, Bytes(4 << 16, 0)), CONVERSION},
    };
    for (const Caso& c : casos) {
        int ancho = 0, alto = 0;
        const char* error = nullptr;
        EXPECT_EQ(decodificar(c.archivo, &ancho, &alto, &error), "") << c.nombre;
        EXPECT_STREQ(error, c.mensaje) << c.nombre;
    }
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
        {carpeta.ruta(), "Failed to open DIB file " + carpeta.ruta() + ".\n"},
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
        const char* formato;
        const char* opciones;
        int colores;  // 0: un color distinto por píxel
        int cabecera, bits;
    } casos[] = {
        {"BMP3", "-type palette -colors 2 -compress none", 2, 40, 1},
        {"BMP3", "-type palette -colors 16 -compress none", 5, 40, 4},
        {"BMP3", "-type palette -colors 200 -compress none", 40, 40, 8},
        {"BMP3", "-type truecolor", 0, 40, 24},
        {"BMP3", "-alpha on -define bmp3:alpha=true", 0, 40, 32},
        {"BMP2", "-type truecolor", 0, 12, 24},
        {"BMP2", "-type palette -colors 200", 40, 12, 8},
    };
    const int ancho = 7, alto = 5;
    Ayudas::Carpeta carpeta;
    for (const auto& c : casos) {
        // color(x, y) con y = 0 arriba, como en el PPM que lee convert.
        auto color = [&](int x, int y) {
            const int k = c.colores ? (x + 3 * y) % c.colores : x * alto + y;
            return bytes({k * 53 % 256, (k * 97 + 40) % 256, 255 - k * 6});
        };
        std::string ppm = "P6 7 5 255\n";
        for (int y = 0; y < alto; ++y)
            for (int x = 0; x < ancho; ++x) ppm += color(x, y);
        const std::string origen = carpeta.escribir("dibujo.ppm", ppm);
        const std::string destino = carpeta.ruta() + "/dibujo.bmp";
        const std::string orden = std::string("/usr/bin/convert ") + origen + " +dither " +
                                  c.opciones + " " + c.formato + ":" + destino;
        ASSERT_EQ(std::system(orden.c_str()), 0) << orden;
        std::stringstream leido;
        leido << std::ifstream(destino, std::ios::binary).rdbuf();
        const Bytes archivo = leido.str();
        ASSERT_GT(archivo.size(), 30u);
        EXPECT_EQ(archivo[14], c.cabecera) << c.opciones;
        EXPECT_EQ(archivo[c.cabecera == 12 ? 24 : 28], c.bits) << c.opciones;

        RgbImage* img = loadDibImage(destino.c_str());
        ASSERT_NE(img, nullptr) << c.opciones;
        EXPECT_EQ(img->width, ancho);
        EXPECT_EQ(img->height, alto);
        Bytes esperado;
        for (int y = alto - 1; y >= 0; --y)
            for (int x = 0; x < ancho; ++x) esperado += color(x, y);
        EXPECT_EQ(Bytes(reinterpret_cast<char*>(img->data), ancho * alto * 3), esperado)
            << c.opciones;
        std::free(img->data);
        std::free(img);
    }
}
