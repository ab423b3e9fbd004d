#include "tools/Tipografia.h"

namespace {

// Devuelve los puntos de código; una secuencia mal formada da U+FFFD.
std::vector<char32_t> decodificar(const std::string& texto) {
    std::vector<char32_t> salida;
    size_t i = 0;
    while (i < texto.size()) {
        const unsigned char c = static_cast<unsigned char>(texto[i]);
        int seguidos = c < 0x80         ? 0
                       : (c >> 5) == 6  ? 1
                       : (c >> 4) == 14 ? 2
                       : (c >> 3) == 30 ? 3
                                        : -1;
        char32_t punto = seguidos == 0   ? c
                         : seguidos == 1 ? c & 0x1F
                         : seguidos == 2 ? c & 0x0F
                                         : c & 0x07;
        bool valido = seguidos >= 0 && i + seguidos < texto.size();
        for (int k = 1; valido && k <= seguidos; ++k) {
            const unsigned char s = static_cast<unsigned char>(texto[i + k]);
            valido = (s >> 6) == 2;
            punto = (punto << 6) | (s & 0x3F);
        }
        salida.push_back(valido ? punto : 0xFFFD);
        i += valido ? seguidos + 1 : 1;
    }
    return salida;
}

}  // namespace

Tipografia::Tipografia(const std::string& ruta) {
    if (FT_Init_FreeType(&biblioteca) != 0) {
        biblioteca = nullptr;
        return;
    }
    if (FT_New_Face(biblioteca, ruta.c_str(), 0, &cara) != 0) cara = nullptr;
}

Tipografia::~Tipografia() {
    if (cara) FT_Done_Face(cara);
    if (biblioteca) FT_Done_FreeType(biblioteca);
}

int Tipografia::medir(const std::string& texto, int tam) {
    return recorrer(nullptr, texto, 0, 0, tam, Color{});
}

int Tipografia::escribir(Lienzo& lienzo, const std::string& texto, int x, int y, int tam,
                         const Color& color) {
    return recorrer(&lienzo, texto, x, y, tam, color);
}

void Tipografia::escribirCentrado(Lienzo& lienzo, const std::string& texto, int centroX, int y,
                                  int tam, const Color& color) {
    recorrer(&lienzo, texto, centroX - medir(texto, tam) / 2, y, tam, color);
}

std::vector<std::string> Tipografia::partir(const std::string& texto, int tam, int anchoMax) {
    std::vector<std::string> lineas;
    std::string actual;
    size_t inicio = 0;
    while (inicio <= texto.size()) {
        size_t fin = texto.find(' ', inicio);
        if (fin == std::string::npos) fin = texto.size();
        const std::string palabra = texto.substr(inicio, fin - inicio);
        const std::string prueba = actual.empty() ? palabra : actual + " " + palabra;
        if (!actual.empty() && medir(prueba, tam) > anchoMax) {
            lineas.push_back(actual);
            actual = palabra;
        } else {
            actual = prueba;
        }
        inicio = fin + 1;
    }
    if (!actual.empty()) lineas.push_back(actual);
    return lineas;
}

int Tipografia::interlinea(int tam) {
    FT_Set_Pixel_Sizes(cara, 0, static_cast<FT_UInt>(tam));
    return static_cast<int>((cara->size->metrics.height + 63) / 64);
}

int Tipografia::recorrer(Lienzo* lienzo, const std::string& texto, int x, int y, int tam,
                         const Color& color) {
    FT_Set_Pixel_Sizes(cara, 0, static_cast<FT_UInt>(tam));
    FT_Pos pluma = static_cast<FT_Pos>(x) * 64;
    FT_UInt anterior = 0;
    for (char32_t punto : decodificar(texto)) {
        const FT_UInt glifo = FT_Get_Char_Index(cara, punto);
        if (anterior && glifo && FT_HAS_KERNING(cara)) {
            FT_Vector ajuste;
            FT_Get_Kerning(cara, anterior, glifo, FT_KERNING_DEFAULT, &ajuste);
            pluma += ajuste.x;
        }
        const FT_Int32 opciones = FT_LOAD_TARGET_LIGHT | (lienzo ? FT_LOAD_RENDER : 0);
        if (FT_Load_Glyph(cara, glifo, opciones) != 0) continue;
        const FT_GlyphSlot ranura = cara->glyph;
        if (lienzo) {
            const FT_Bitmap& mapa = ranura->bitmap;
            const int x0 = static_cast<int>(pluma / 64) + ranura->bitmap_left;
            const int y0 = y - ranura->bitmap_top;
            for (unsigned fila = 0; fila < mapa.rows; ++fila)
                for (unsigned col = 0; col < mapa.width; ++col) {
                    const unsigned char valor = mapa.buffer[fila * mapa.pitch + col];
                    lienzo->mezclar(x0 + static_cast<int>(col), y0 + static_cast<int>(fila), color,
                                    valor / 255.0);
                }
        }
        pluma += ranura->advance.x;
        anterior = glifo;
    }
    return static_cast<int>((pluma + 63) / 64);
}
