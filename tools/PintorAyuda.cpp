#include "tools/PintorAyuda.h"

#include "tools/Paleta.h"

namespace {

constexpr int ANCHO = 640, ALTO = 480;
constexpr int TAM = 12;
constexpr int IZQUIERDA = 24, DERECHA = 336, COLUMNA = 282;
constexpr int FONDO_UTIL = ALTO - 10;

// Hueco del botón "Volver" (columnas 470..610, filas 85..120) con su margen.
constexpr int HUECO_IZQ = 462;

}  // namespace

int PintorAyuda::encabezado(Lienzo& l, const char* texto, int x, int base) {
    negrita.escribir(l, texto, x, base, 14, Paleta::ACENTO);
    return base + 19;
}

int PintorAyuda::parrafo(Lienzo& l, const std::string& texto, int x, int base, int ancho) {
    const int paso = normal.interlinea(TAM);
    for (const std::string& linea : normal.partir(texto, TAM, ancho)) {
        normal.escribir(l, linea, x, base, TAM, Paleta::TINTA);
        base += paso;
    }
    return base;
}

int PintorAyuda::tecla(Lienzo& l, const char* teclas, const char* accion, int x, int base,
                       int sangria) {
    negrita.escribir(l, teclas, x, base, TAM, Paleta::ACENTO);
    return parrafo(l, accion, x + sangria, base, COLUMNA - sangria) + 3;
}

int PintorAyuda::columnaIzquierda(Lienzo& l) {
    int y = encabezado(l, "Objetivo", IZQUIERDA, 92);
    y = parrafo(l,
                "Dispara la bola con el cañón de arriba contra las piezas del tablero. "
                "Un nivel se supera cuando, al terminar un tiro, no queda ninguna pieza "
                "roja oscura sin golpear.",
                IZQUIERDA, y, COLUMNA);
    y = encabezado(l, "Piezas y puntos", IZQUIERDA, y + 8);
    static const char* const PIEZAS[4] = {"Roja oscura: 200", "Gris: 50", "Verde: 500",
                                          "Carmesí: 1000"};
    for (int t = 0; t < 4; ++t) {
        const int x = IZQUIERDA + (t % 2) * 150, base = y + (t / 2) * 20;
        l.disco(x + 6, base - 4, 7.5, Paleta::TINTA);
        l.esfera(x + 6, base - 4, 6.5, Paleta::PIEZA_ENCENDIDA[t]);
        normal.escribir(l, PIEZAS[t], x + 18, base, TAM, Paleta::TINTA);
    }
    y = parrafo(l,
                "Cada golpe suma los puntos de la pieza. Las piezas golpeadas desaparecen "
                "cuando la bola sale por abajo del tablero.",
                IZQUIERDA, y + 44, COLUMNA);
    y = encabezado(l, "Partida", IZQUIERDA, y + 8);
    y = parrafo(l,
                "Hay 20 bolas por partida y cada tiro gasta una. Los tres niveles se juegan "
                "en ciclo. El aro que oscila abajo da una bola más por cada instante en que "
                "retiene la bola.",
                IZQUIERDA, y, COLUMNA);
    y = encabezado(l, "Ratón", IZQUIERDA, y + 8);
    y = tecla(l, "Mover", "Apunta el cañón, hasta 80° a cada lado.", IZQUIERDA, y, 78);
    y = tecla(l, "Botón izq.", "Al soltarlo, dispara.", IZQUIERDA, y, 78);
    return tecla(l, "Botón der.", "Arrastrándolo, gira la vista.", IZQUIERDA, y, 78);
}

int PintorAyuda::columnaDerecha(Lienzo& l) {
    // Junto al hueco del botón de salida, sin entrar en él.
    normal.escribir(l, "Para volver", DERECHA, 98, TAM, Paleta::TEXTO_TENUE.por(0.8));
    normal.escribir(l, "al juego:", DERECHA, 113, TAM, Paleta::TEXTO_TENUE.por(0.8));
    l.trazo(DERECHA + 70, 109, HUECO_IZQ - 8, 109, 1.6, Paleta::TEXTO_TENUE);
    l.trazo(HUECO_IZQ - 14, 104, HUECO_IZQ - 8, 109, 1.6, Paleta::TEXTO_TENUE);
    l.trazo(HUECO_IZQ - 14, 114, HUECO_IZQ - 8, 109, 1.6, Paleta::TEXTO_TENUE);

    int y = encabezado(l, "Teclado", DERECHA, 152);
    y = tecla(l, "1 2 3", "Enciende o apaga la luz ambiental, la difusa o la especular.", DERECHA,
              y, 58);
    y = tecla(l, "4 5 6",
              "Pide en la consola el color RGBA de la luz ambiental, difusa o especular.", DERECHA,
              y, 58);
    y = tecla(l, "7", "Pide en la consola la posición x y z de la luz difusa.", DERECHA, y, 58);
    y = tecla(l, "H J K L", "Dibujo en alambre, plano, suave o texturado.", DERECHA, y, 58);
    y = tecla(l, "P", "Pausa.", DERECHA, y, 58);
    y = tecla(l, "V", "La siguiente de las nueve cámaras.", DERECHA, y, 58);
    y = tecla(l, "Y", "Cámara que sigue a la bola: sí o no.", DERECHA, y, 58);
    y = tecla(l, "– +", "Velocidad del juego, de 0,1x a 4x (teclas del teclado numérico).", DERECHA,
              y, 58);
    y = tecla(l, "Esc, Q", "Salir del juego.", DERECHA, y, 58);
    return parrafo(l,
                   "Tras las teclas 4 a 7 el juego se detiene hasta que escribas los números "
                   "en la consola, separados por espacios, y pulses Intro.",
                   DERECHA, y + 8, COLUMNA);
}

Lienzo PintorAyuda::pagina(std::string& error) {
    Lienzo l(ANCHO, ALTO, Paleta::PAPEL);
    l.degradado(0, 0, ANCHO, 64, Paleta::PANEL_ARRIBA, {0.12, 0.11, 0.19});
    l.rellenar(0, 64, ANCHO, 67, Paleta::DORADO);
    negrita.escribir(l, "Ayuda", 24, 42, 26, Paleta::DORADO);
    normal.escribir(l, "Cómo se juega y todos los controles. El juego espera en pausa.", 124, 29,
                    TAM, Paleta::TEXTO_CLARO);
    normal.escribir(l, "Los botones Ayuda y Ajustes del panel abren esta página y la de ajustes.",
                    124, 47, TAM, Paleta::TEXTO_CLARO);
    l.marco(0, 0, ANCHO, ALTO, 2, Paleta::PANEL_ABAJO);
    l.rellenar(DERECHA - 15, 84, DERECHA - 14, ALTO - 16, Paleta::LINEA_SUAVE);

    const int izquierda = columnaIzquierda(l) - TAM;
    if (izquierda > FONDO_UTIL)
        error = "la columna izquierda de la ayuda no cabe: llega a la fila " +
                std::to_string(izquierda);
    const int derecha = columnaDerecha(l) - TAM;
    if (derecha > FONDO_UTIL)
        error =
            "la columna derecha de la ayuda no cabe: llega a la fila " + std::to_string(derecha);
    return l;
}
