#include "assets/RgbImage.h"

#include "assets/ArchivoBinario.h"
#include "assets/DescompresorRle.h"
#include "core/Sistema.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const SIN_ABRIR = "Failed to open DIB file %s.\n";
const char* const FORMATO_DESCONOCIDO = "Unknown DIB file format.";
const char* const ERROR_CONVERSION = "Image file conversion error.";
const char* const SIN_MEMORIA = "Out of memory.";

constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_RLE8 = 1;
constexpr uint32_t BI_RLE4 = 2;
constexpr uint32_t BI_BITFIELDS = 3;
constexpr size_t CABECERA_ARCHIVO = 14;
constexpr size_t CABECERA_INFO = 40;
constexpr size_t LARGO_MASCARAS = 12;
constexpr size_t LARGO_MAXIMO_ARCHIVO = 64u << 20;
// SDL 1.2 no crea superficies más grandes y guarda el largo de un búfer en int.
constexpr int64_t ANCHO_MAXIMO_SDL = 16383;
constexpr uint64_t ALTO_MAXIMO_SDL = 65535;
constexpr uint64_t LARGO_MAXIMO_SDL = 0x7fffffff;

// Máscaras de campos de bits que SDL 1.2 y SDL 2 leen igual.
struct Mascaras {
    uint16_t bits;
    uint32_t rojo, verde, azul;
};
const Mascaras MASCARAS_ACEPTADAS[] = {
    {16, 0x7C00, 0x03E0, 0x001F},
    {16, 0xF800, 0x07E0, 0x001F},
    {32, 0x00FF0000, 0x0000FF00, 0x000000FF},
    {32, 0x000000FF, 0x0000FF00, 0x00FF0000},
};

// Lo que se saca de las cabeceras del archivo.
struct Dib {
    int64_t ancho;
    int64_t alto;  // negativo si las filas van de arriba abajo
    uint16_t bits;
    uint32_t compresion;
    uint32_t colores;
    size_t largoEntrada;  // 3 en la cabecera vieja de 12 bytes, 4 en la de 40
    size_t paleta;
    size_t mascaras;
    size_t pixeles;
    uint64_t largoFila;
};

uint64_t cantidadFilas(const Dib& dib) {
    return dib.alto < 0 ? -dib.alto : dib.alto;
}

uint32_t leer(const unsigned char* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

void escribir(unsigned char*& p, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) *p++ = static_cast<unsigned char>(v >> (8 * i));
}

uint32_t coloresPorBits(uint16_t bits) {
    return bits == 1 ? 2 : bits == 4 ? 16 : bits == 8 ? 256 : 0;
}

bool comprimido(const Dib& dib) {
    return dib.compresion == BI_RLE8 || dib.compresion == BI_RLE4;
}

bool formatoAceptado(const Dib& dib, const unsigned char* mascaras) {
    // Los tramos van siempre de abajo arriba.
    if (comprimido(dib)) return dib.bits == (dib.compresion == BI_RLE8 ? 8 : 4) && dib.alto > 0;
    if (dib.compresion == BI_RGB)
        return dib.bits == 1 || dib.bits == 4 || dib.bits == 8 || dib.bits == 16 ||
               dib.bits == 24 || dib.bits == 32;
    if (dib.compresion != BI_BITFIELDS) return false;
    for (const Mascaras& m : MASCARAS_ACEPTADAS) {
        if (m.bits == dib.bits && m.rojo == leer(mascaras, 4) && m.verde == leer(mascaras + 4, 4) &&
            m.azul == leer(mascaras + 8, 4))
            return true;
    }
    return false;
}

const char* leerCabeceras(const unsigned char* datos, size_t largo, Dib& dib) {
    const bool conArchivo = largo >= 2 && datos[0] == 'B' && datos[1] == 'M';
    const size_t inicio = conArchivo ? CABECERA_ARCHIVO : 0;
    if (largo < inicio + 4) return FORMATO_DESCONOCIDO;
    const unsigned char* h = datos + inicio;
    const uint32_t largoCabecera = leer(h, 4);
    if (largoCabecera != 12 && largoCabecera != CABECERA_INFO) return FORMATO_DESCONOCIDO;
    if (largo < inicio + largoCabecera) return ERROR_CONVERSION;

    uint16_t planos;
    if (largoCabecera == 12) {
        dib.ancho = leer(h + 4, 2);
        dib.alto = leer(h + 6, 2);
        planos = leer(h + 8, 2);
        dib.bits = leer(h + 10, 2);
        dib.compresion = BI_RGB;
        dib.colores = coloresPorBits(dib.bits);
        dib.largoEntrada = 3;
    } else {
        dib.ancho = static_cast<int32_t>(leer(h + 4, 4));
        dib.alto = static_cast<int32_t>(leer(h + 8, 4));
        planos = leer(h + 12, 2);
        dib.bits = leer(h + 14, 2);
        dib.compresion = leer(h + 16, 4);
        const uint32_t usados = leer(h + 32, 4);
        dib.colores = usados ? usados : coloresPorBits(dib.bits);
        dib.largoEntrada = 4;
    }
    // Sin ancho o sin alto no se puede hacer la sección de 24 bits que recibe los píxeles.
    if (dib.ancho <= 0 || dib.alto == 0) return SIN_MEMORIA;
    dib.mascaras = inicio + largoCabecera;
    const size_t largoMascaras = dib.compresion == BI_BITFIELDS ? LARGO_MASCARAS : 0;
    if (largo < dib.mascaras + largoMascaras) return ERROR_CONVERSION;
    if (planos != 1 || !formatoAceptado(dib, datos + dib.mascaras)) return ERROR_CONVERSION;

    dib.paleta = dib.mascaras + largoMascaras;
    const uint64_t largoPaleta = uint64_t{dib.colores} * dib.largoEntrada;
    if (largo < dib.paleta + largoPaleta) return ERROR_CONVERSION;
    dib.pixeles = conArchivo ? leer(datos + 10, 4) : dib.paleta + largoPaleta;
    if (comprimido(dib)) {
        if (dib.pixeles > largo) return ERROR_CONVERSION;
        // Pocos bytes de tramos pueden pedir una imagen enorme: se acota como un archivo.
        if (static_cast<uint64_t>(dib.ancho) * static_cast<uint64_t>(dib.alto) > LARGO_MAXIMO_ARCHIVO)
            return SIN_MEMORIA;
        return nullptr;
    }

    // Con las filas dentro de los datos, nada de lo que sigue reserva más que
    // unas pocas veces el tamaño de la entrada.
    dib.largoFila = (static_cast<uint64_t>(dib.ancho) * dib.bits + 31) / 32 * 4;
    const uint64_t filas = cantidadFilas(dib);
    if (dib.pixeles > largo || dib.largoFila > (largo - dib.pixeles) / filas) return ERROR_CONVERSION;
    const uint64_t bytesSuperficie = dib.bits <= 8 ? 1 : dib.bits / 8;
    const uint64_t paso = (static_cast<uint64_t>(dib.ancho) * bytesSuperficie + 3) / 4 * 4;
    if (dib.ancho > ANCHO_MAXIMO_SDL || filas > ALTO_MAXIMO_SDL || paso * filas > LARGO_MAXIMO_SDL ||
        dib.largoFila * filas > LARGO_MAXIMO_SDL - CABECERA_ARCHIVO - CABECERA_INFO - 4 * 256)
        return ERROR_CONVERSION;
    return nullptr;
}

// Un BMP con cabecera "BM", cabecera de 40 bytes y paleta de 4 bytes por
// color: la forma que SDL 1.2 y SDL 2 decodifican igual.
unsigned char* armarBmp(const Dib& dib, const unsigned char* datos, size_t& largo) {
    const size_t largoMascaras = dib.compresion == BI_BITFIELDS ? LARGO_MASCARAS : 0;
    // Una paleta en 16, 24 o 32 bits, o más larga que lo que nombran los píxeles, sólo se salta.
    const uint32_t colores = std::min(dib.colores, coloresPorBits(dib.bits));
    const size_t desplazamiento = CABECERA_ARCHIVO + CABECERA_INFO + largoMascaras + 4 * colores;
    const size_t largoPixeles = dib.largoFila * cantidadFilas(dib);
    largo = desplazamiento + largoPixeles;
    unsigned char* bmp = static_cast<unsigned char*>(std::malloc(largo));
    if (!bmp) return nullptr;
    unsigned char* p = bmp;
    *p++ = 'B';
    *p++ = 'M';
    escribir(p, largo, 4);
    escribir(p, 0, 4);
    escribir(p, desplazamiento, 4);
    escribir(p, CABECERA_INFO, 4);
    escribir(p, static_cast<uint32_t>(dib.ancho), 4);
    escribir(p, static_cast<uint32_t>(dib.alto), 4);
    escribir(p, 1, 2);
    escribir(p, dib.bits, 2);
    escribir(p, dib.compresion, 4);
    escribir(p, largoPixeles, 4);
    escribir(p, 0, 4);
    escribir(p, 0, 4);
    escribir(p, colores, 4);
    escribir(p, 0, 4);
    std::memcpy(p, datos + dib.mascaras, largoMascaras);
    p += largoMascaras;
    for (uint32_t i = 0; i < colores; ++i) {
        std::memcpy(p, datos + dib.paleta + i * dib.largoEntrada, 3);
        p[3] = 0;
        p += 4;
    }
    std::memcpy(p, datos + dib.pixeles, largoPixeles);
    return bmp;
}

uint32_t leerPixel(const SDL_Surface* s, int x, int y) {
    const int bytes = s->format->BytesPerPixel;
    const unsigned char* p = static_cast<const unsigned char*>(s->pixels) + y * s->pitch + x * bytes;
    switch (bytes) {
        case 1:
            return *p;
        case 2:
            return *reinterpret_cast<const Uint16*>(p);
        case 3:
            return SDL_BYTEORDER == SDL_LIL_ENDIAN ? leer(p, 3) : (p[0] << 16) | (p[1] << 8) | p[2];
        default:
            return *reinterpret_cast<const Uint32*>(p);
    }
}

// SDL 2 amplía los canales de 5 y 6 bits a 8 de otra forma que SDL 1.2: aquí
// se repiten los bits altos en los bajos, como hace SDL 1.2, con cualquiera de los dos.
Uint8 canal(Uint32 pixel, Uint32 mascara, Uint8 corrimiento, Uint8 perdida) {
    const Uint32 v = (pixel & mascara) >> corrimiento;
    return static_cast<Uint8>((v << perdida) | (v >> (8 - 2 * perdida)));
}

// Una imagen negra del tamaño dado; nula, con el error, si no hay memoria.
RgbImage* imagenNueva(size_t ancho, size_t alto, const char*& error) {
    unsigned char* rgb = static_cast<unsigned char*>(std::calloc(ancho * alto, 3));
    RgbImage* imagen = rgb ? static_cast<RgbImage*>(std::malloc(sizeof(RgbImage))) : nullptr;
    if (!imagen) {
        std::free(rgb);
        error = SIN_MEMORIA;
        return nullptr;
    }
    *imagen = {static_cast<int>(ancho), static_cast<int>(alto), rgb};
    return imagen;
}

void liberar(RgbImage* imagen) {
    std::free(imagen->data);
    std::free(imagen);
}

RgbImage* descomprimir(const Dib& dib, const unsigned char* datos, size_t largo, const char*& error) {
    RgbImage* imagen = imagenNueva(dib.ancho, dib.alto, error);
    if (!imagen) return nullptr;
    const DescompresorRle tramos(dib.bits, datos + dib.paleta, dib.colores);
    if (!tramos.descomprimir(datos + dib.pixeles, largo - dib.pixeles, dib.ancho, dib.alto, imagen->data)) {
        liberar(imagen);
        error = ERROR_CONVERSION;
        return nullptr;
    }
    return imagen;
}

// Copia la superficie a RGB sin relleno, la fila de abajo primero.
RgbImage* copiarRgb(SDL_Surface* s, const char*& error) {
    RgbImage* imagen = imagenNueva(s->w, s->h, error);
    if (!imagen) return nullptr;
    SDL_LockSurface(s);
    unsigned char* destino = imagen->data;
    for (int y = s->h - 1; y >= 0; --y) {
        for (int x = 0; x < s->w; ++x) {
            const Uint32 pixel = leerPixel(s, x, y);
            const SDL_PixelFormat* f = s->format;
            if (f->palette) {
                SDL_GetRGB(pixel, s->format, destino, destino + 1, destino + 2);
            } else {
                destino[0] = canal(pixel, f->Rmask, f->Rshift, f->Rloss);
                destino[1] = canal(pixel, f->Gmask, f->Gshift, f->Gloss);
                destino[2] = canal(pixel, f->Bmask, f->Bshift, f->Bloss);
            }
            destino += 3;
        }
    }
    SDL_UnlockSurface(s);
    return imagen;
}

RgbImage* decodificar(const unsigned char* datos, size_t largo, const char*& error) {
    Dib dib = {};
    error = leerCabeceras(datos, largo, dib);
    if (error) return nullptr;
    if (comprimido(dib)) return descomprimir(dib, datos, largo, error);
    size_t largoBmp = 0;
    unsigned char* bmp = armarBmp(dib, datos, largoBmp);
    if (!bmp) {
        error = SIN_MEMORIA;
        return nullptr;
    }
    SDL_Surface* s = SDL_LoadBMP_RW(SDL_RWFromConstMem(bmp, static_cast<int>(largoBmp)), 1);
    std::free(bmp);
    if (!s) {
        error = ERROR_CONVERSION;
        return nullptr;
    }
    RgbImage* imagen = copiarRgb(s, error);
    SDL_FreeSurface(s);
    return imagen;
}

void avisar(const char* texto) {
    const size_t largo = std::strlen(texto);
    std::fputs(texto, stderr);
    if (largo == 0 || texto[largo - 1] != '\n') std::fputc('\n', stderr);
    std::fflush(stderr);
    Sistema::avisar("Error", texto);
}

void avisarSinAbrir(const char* ruta) {
    std::string texto(std::snprintf(nullptr, 0, SIN_ABRIR, ruta), '\0');
    std::snprintf(&texto[0], texto.size() + 1, SIN_ABRIR, ruta);
    avisar(texto.c_str());
}

}  // namespace

RgbImage* decodificarDib(const unsigned char* datos, size_t largo, const char** error) {
    const char* fallo = nullptr;
    RgbImage* imagen = decodificar(datos, largo, fallo);
    if (error) *error = fallo;
    return imagen;
}

RgbImage* loadDibImage(const char* ruta) {
    std::vector<unsigned char> datos;
    switch (ArchivoBinario::leer(ruta, LARGO_MAXIMO_ARCHIVO, datos)) {
        case ArchivoBinario::Resultado::Grande:
            avisar(SIN_MEMORIA);
            return nullptr;
        case ArchivoBinario::Resultado::NoAbre:
            avisarSinAbrir(ruta);
            return nullptr;
        case ArchivoBinario::Resultado::Leido:
            break;
    }
    // Un archivo vacío (o una carpeta) tampoco se podría proyectar en memoria.
    if (datos.empty()) {
        avisarSinAbrir(ruta);
        return nullptr;
    }
    const char* error = nullptr;
    RgbImage* imagen = decodificarDib(datos.data(), datos.size(), &error);
    if (!imagen) avisar(error);
    return imagen;
}
