#include "tools/PintorAjustes.h"

#include <cmath>

#include "tools/Paleta.h"

namespace {

constexpr int ANCHO = 640, ALTO = 480;
constexpr int PAGINA_X = 80, PAGINA_ARRIBA = 540;  // la fila 0 es la fila 539 de la ventana
constexpr float MARCA_ANCHO = 13.0f, MARCA_ALTO = 14.0f;

// Fracciones de la página para cada marca, como las usa el juego.
struct Fraccion {
    float fx;
    float fy;
    bool bajada;  // las marcas de suave y plano van 3 píxeles más abajo
};
constexpr Fraccion FRACCIONES[PintorAjustes::MARCAS] = {
    {0.422f, 0.57f, false},   {0.84f, 0.57f, false},   {0.64f, 0.57f, false},
    {0.84f, 0.6645f, true},   {0.64f, 0.6645f, true},  {0.33f, 0.75f, false},
    {0.422f, 0.6645f, false}, {0.463f, 0.475f, false}, {0.685f, 0.475f, false},
    {0.882f, 0.475f, false},  {0.463f, 0.378f, false}, {0.685f, 0.378f, false},
    {0.882f, 0.378f, false},  {0.463f, 0.275f, false}, {0.685f, 0.275f, false},
    {0.882f, 0.275f, false},  {0.372f, 0.2f, false},   {0.436f, 0.2f, false},
    {0.372f, 0.12f, false},   {0.436f, 0.12f, false},  {0.53f, 0.06f, false},
    {0.645f, 0.06f, false},   {0.77f, 0.06f, false},   {0.9f, 0.06f, false}};

enum {
    LUZ_AMBIENTAL,
    LUZ_DIFUSA,
    LUZ_ESPECULAR,
    PLANO,
    SUAVE,
    TEXTURADO,
    ALAMBRE,
    COLOR_AMBIENTAL,
    COLOR_ESPECULAR = COLOR_AMBIENTAL + 3,
    COLOR_DIFUSA = COLOR_ESPECULAR + 3,
    POSICION = COLOR_DIFUSA + 3,
    VELOCIDAD = POSICION + 4
};

constexpr Color BLANCO{1.0, 1.0, 1.0};
constexpr Color BORDE_CAJA{0.30, 0.29, 0.40};

}  // namespace

PintorAjustes::Marca PintorAjustes::marca(int indice) {
    const float factor = 0.8f;
    const float ancho = factor * 800, alto = factor * 600;
    const Fraccion& f = FRACCIONES[indice];
    const float x = (800 - ancho) / 2 + ancho * f.fx;
    const float y = (600 - alto) / 2 + alto * f.fy;
    return {x, f.bajada ? y - 3 : y};
}

PintorAjustes::Caja PintorAjustes::caja(Lienzo& l, int indice) {
    // La marca ocupa columnas [x - 80, x - 67] y filas [540 - y - 14, 540 - y]
    // de la página; la caja deja un píxel libre alrededor y un borde de uno.
    const Marca m = marca(indice);
    const float c0 = m.x - PAGINA_X, f1 = PAGINA_ARRIBA - m.y;
    const Caja c{
        static_cast<int>(std::floor(c0)) - 2, static_cast<int>(std::floor(f1 - MARCA_ALTO)) - 2,
        static_cast<int>(std::ceil(c0 + MARCA_ANCHO)) + 2, static_cast<int>(std::ceil(f1)) + 2};
    l.marco(c.izquierda, c.arriba, c.derecha, c.abajo, 1, BORDE_CAJA);
    l.rellenar(c.izquierda + 1, c.arriba + 1, c.derecha - 1, c.abajo - 1, BLANCO);
    return c;
}

void PintorAjustes::rotuloDerecha(Lienzo& l, int indice, const char* texto) {
    const Caja c = caja(l, indice);
    normal.escribir(l, texto, c.derecha + 6, c.baseRotulo(), 13, Paleta::TINTA);
}

Lienzo PintorAjustes::pagina() {
    Lienzo l(ANCHO, ALTO, Paleta::PAPEL);
    l.degradado(0, 0, ANCHO, 64, Paleta::PANEL_ARRIBA, {0.12, 0.11, 0.19});
    l.rellenar(0, 64, ANCHO, 67, Paleta::DORADO);
    negrita.escribir(l, "Ajustes", 24, 40, 26, Paleta::DORADO);
    normal.escribir(l, "Marca una casilla para cambiar la opción; el juego espera en pausa.", 150,
                    40, 12, Paleta::TEXTO_CLARO);
    l.marco(0, 0, ANCHO, ALTO, 2, Paleta::PANEL_ABAJO);

    auto titulo = [&](const char* texto, int base) {
        negrita.escribir(l, texto, 24, base, 14, Paleta::ACENTO);
    };
    auto separador = [&](int fila) {
        l.rellenar(24, fila, ANCHO - 24, fila + 1, Paleta::LINEA_SUAVE);
    };

    titulo("Modo de dibujo", 118);
    normal.escribir(l, "(uno a la vez)", 24, 136, 12, Paleta::TEXTO_TENUE.por(0.8));
    rotuloDerecha(l, TEXTURADO, "Texturado");
    rotuloDerecha(l, ALAMBRE, "Alambre");
    rotuloDerecha(l, SUAVE, "Suave");
    rotuloDerecha(l, PLANO, "Plano");

    separador(178);
    titulo("Luces", 204);
    normal.escribir(l, "Encendidas:", 120, 204, 13, Paleta::TINTA);
    rotuloDerecha(l, LUZ_AMBIENTAL, "Ambiental");
    rotuloDerecha(l, LUZ_ESPECULAR, "Especular");
    rotuloDerecha(l, LUZ_DIFUSA, "Difusa");
    // Rejilla de colores: una fila por luz, una columna por componente.
    normal.escribir(l, "Color de la luz:", 120, 230, 13, Paleta::TINTA);
    static const char* const COMPONENTES[3] = {"Rojo", "Verde", "Azul"};
    for (int c = 0; c < 3; ++c) {
        const Marca m = marca(COLOR_AMBIENTAL + c);
        negrita.escribirCentrado(l, COMPONENTES[c], static_cast<int>(m.x - PAGINA_X + 6.5), 230, 12,
                                 Paleta::ACENTO);
    }
    static const char* const LUCES[3] = {"ambiental", "especular", "difusa"};
    const int primeras[3] = {COLOR_AMBIENTAL, COLOR_ESPECULAR, COLOR_DIFUSA};
    for (int luz = 0; luz < 3; ++luz) {
        // Una guía tenue a lo largo de la fila, tapada por las cajas.
        const Marca m = marca(primeras[luz]);
        const int medio = static_cast<int>(PAGINA_ARRIBA - m.y - MARCA_ALTO / 2);
        l.rellenar(286, medio, static_cast<int>(marca(primeras[luz] + 2).x) - PAGINA_X, medio + 1,
                   Paleta::LINEA_SUAVE);
        for (int c = 1; c < 3; ++c) caja(l, primeras[luz] + c);
        normal.escribir(l, LUCES[luz], 280 - normal.medir(LUCES[luz], 13),
                        caja(l, primeras[luz]).baseRotulo(), 13, Paleta::TINTA);
    }

    separador(362);
    titulo("Posición de la", 386);
    titulo("luz difusa", 403);
    // Un tablero en miniatura con una casilla en cada esquina.
    const Marca a = marca(POSICION), d = marca(POSICION + 3);
    const int bx0 = static_cast<int>(a.x - PAGINA_X) - 6,
              bx1 = static_cast<int>(d.x - PAGINA_X) + 20;
    const int by0 = static_cast<int>(PAGINA_ARRIBA - a.y - 14) - 7,
              by1 = static_cast<int>(PAGINA_ARRIBA - d.y) + 7;
    l.rellenar(bx0, by0, bx1, by1, {0.86, 0.82, 0.72});
    l.marco(bx0, by0, bx1, by1, 2, {0.55, 0.45, 0.35});
    static const char* const ESQUINAS[4] = {"(0, 15)", "(18, 15)", "(0, 0)", "(18, 0)"};
    for (int k = 0; k < 4; ++k) {
        const int base = caja(l, POSICION + k).baseRotulo();
        if (k % 2 == 0)
            normal.escribir(l, ESQUINAS[k], bx0 - 6 - normal.medir(ESQUINAS[k], 13), base, 13,
                            Paleta::TINTA);
        else
            normal.escribir(l, ESQUINAS[k], bx1 + 6, base, 13, Paleta::TINTA);
    }
    normal.escribir(l, "Esquinas del tablero (x, y),", 400, 392, 12, Paleta::TEXTO_TENUE.por(0.8));
    normal.escribir(l, "con la luz a una altura de 7.", 400, 408, 12, Paleta::TEXTO_TENUE.por(0.8));

    titulo("Velocidad", 449);
    static const char* const VELOCIDADES[4] = {"x0,5", "x1", "x2", "x4"};
    for (int k = 0; k < 4; ++k) rotuloDerecha(l, VELOCIDAD + k, VELOCIDADES[k]);
    return l;
}

Lienzo PintorAjustes::tick() {
    // Fondo blanco como el interior de las cajas: el juego la dibuja sin mezcla.
    Lienzo l(16, 16, BLANCO);
    const Color verde{0.05, 0.45, 0.12};
    l.trazo(3.0, 8.5, 6.5, 12.5, 3.2, verde);
    l.trazo(6.5, 12.5, 13.0, 3.0, 3.2, verde);
    return l;
}
