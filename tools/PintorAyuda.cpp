#include "tools/PintorAyuda.h"

#include "tools/Paleta.h"

namespace {

constexpr int ANCHO = 640, ALTO = 480;
constexpr int TAM = 11, TAM_CABECERA = 12;
constexpr int IZQUIERDA = 24, DERECHA = 332, COLUMNA = 284;
constexpr int FONDO_UTIL = ALTO - 10;
constexpr int SEPARACION = 6;  // antes de cada encabezado
constexpr int CABECERA_X = 124, CABECERA_LINEAS = 3;

// Abrir o cerrar cualquiera de las dos páginas alterna la pausa igual que P.
const char* const CABECERA =
    "Cómo se juega y todos los controles. Los botones Ayuda y Ajustes abren esta página y la "
    "de ajustes; abrir o cerrar una de ellas equivale a pulsar P: si el juego corría, espera "
    "en pausa; si ya estaba en pausa con P, sigue corriendo detrás.";

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
                "Dispara la bola con el cañón contra las piezas. Superas un nivel si, al "
                "terminar un tiro, no queda ninguna pieza roja oscura sin golpear.",
                IZQUIERDA, y, COLUMNA);
    y = encabezado(l, "Piezas y puntos", IZQUIERDA, y + SEPARACION);
    static const char* const PIEZAS[4] = {"Roja oscura: 200", "Gris: 50", "Verde: 500",
                                          "Carmesí: 1000"};
    for (int t = 0; t < 4; ++t) {
        const int x = IZQUIERDA + (t % 2) * 150, base = y + (t / 2) * 19;
        l.disco(x + 6, base - 4, 7.5, Paleta::TINTA);
        l.esfera(x + 6, base - 4, 6.5, Paleta::PIEZA_ENCENDIDA[t]);
        normal.escribir(l, PIEZAS[t], x + 18, base, TAM, Paleta::TINTA);
    }
    y = parrafo(l,
                "Cada toque suma, aunque se repita. Al salir la bola por abajo se van las "
                "golpeadas.",
                IZQUIERDA, y + 40, COLUMNA);
    y = encabezado(l, "Bolas", IZQUIERDA, y + SEPARACION);
    y = parrafo(l,
                "Empiezas con 20 y cada tiro gasta una; sin bolas la cuenta baja de cero. "
                "Mientras el aro retiene la bola, quieta hasta que se aparta, ganas una bola "
                "por actualización (unas 29 por segundo).",
                IZQUIERDA, y, COLUMNA);
    y = encabezado(l, "Niveles", IZQUIERDA, y + SEPARACION);
    y = parrafo(l,
                "Al superar el 3 sale el cartel de victoria, con fuegos, y vuelves al nivel "
                "1. Si superas el 1 o el 2 sin bolas sale el de derrota y el próximo tiro pasa "
                "al nivel siguiente. Los dos carteles dan 20 bolas y 0 puntos; un clic los quita.",
                IZQUIERDA, y, COLUMNA);
    y = encabezado(l, "Lo que se guarda", IZQUIERDA, y + SEPARACION);
    return parrafo(l,
                   "Al salir, el modo, las luces, la velocidad y la escala. El mejor puntaje, "
                   "con su fecha, sale bajo el cartel. Opciones: vorlix-quintar --help.",
                   IZQUIERDA, y, COLUMNA);
}

int PintorAyuda::columnaDerecha(Lienzo& l) {
    // Junto al hueco del botón de salida, sin entrar en él.
    normal.escribir(l, "Para volver", DERECHA, 94, TAM, Paleta::TEXTO_TENUE.por(0.8));
    normal.escribir(l, "al juego:", DERECHA, 108, TAM, Paleta::TEXTO_TENUE.por(0.8));
    l.trazo(DERECHA + 70, 104, HUECO_IZQ - 8, 104, 1.6, Paleta::TEXTO_TENUE);
    l.trazo(HUECO_IZQ - 14, 99, HUECO_IZQ - 8, 104, 1.6, Paleta::TEXTO_TENUE);
    l.trazo(HUECO_IZQ - 14, 109, HUECO_IZQ - 8, 104, 1.6, Paleta::TEXTO_TENUE);

    int y = encabezado(l, "Ratón", DERECHA, 134);
    y = tecla(l, "Mover",
              "Gira el cañón hasta 80° a cada lado; con el ratón quieto sigue girando, "
              "salvo tras un movimiento muy corto.",
              DERECHA, y, 66);
    y = tecla(l, "Botón izq.", "Al soltarlo, dispara.", DERECHA, y, 66);
    y = tecla(l, "Botón der.", "Arrastrado, gira la cámara fija.", DERECHA, y, 66);
    y = encabezado(l, "Teclado", DERECHA, y + SEPARACION);
    y = tecla(l, "1 2 3", "Enciende o apaga la luz ambiental, difusa o especular.", DERECHA, y, 50);
    y = tecla(l, "4 5 6", "Color RGBA de cada una de esas luces.", DERECHA, y, 50);
    y = tecla(l, "7", "Posición x y z de la luz difusa.", DERECHA, y, 50);
    y = tecla(l, "H J K L", "Alambre, plano, suave o texturado.", DERECHA, y, 50);
    y = tecla(l, "P", "Pausa.", DERECHA, y, 50);
    y = tecla(l, "M", "Sonido: sí o no; con --sin-sonido empieza sin él.", DERECHA, y, 50);
    y = tecla(l, "V", "La siguiente de las nueve cámaras fijas.", DERECHA, y, 50);
    y = tecla(l, "Y", "Cámara que sigue a la bola: sí o no.", DERECHA, y, 50);
    y = tecla(l, "– +", "Del teclado numérico: velocidad, de 0,1x a 4x en ciclo.", DERECHA, y, 50);
    y = tecla(l, "Esc, Q", "Salir del juego.", DERECHA, y, 50);
    return parrafo(l,
                   "Tras 4 a 7 el juego espera los números en la consola, separados por "
                   "espacios, y un Intro.",
                   DERECHA, y + 3, COLUMNA);
}

Lienzo PintorAyuda::pagina(std::string& error) {
    Lienzo l(ANCHO, ALTO, Paleta::PAPEL);
    l.degradado(0, 0, ANCHO, 64, Paleta::PANEL_ARRIBA, {0.12, 0.11, 0.19});
    l.rellenar(0, 64, ANCHO, 67, Paleta::DORADO);
    negrita.escribir(l, "Ayuda", 24, 42, 26, Paleta::DORADO);
    const auto cabecera = normal.partir(CABECERA, TAM_CABECERA, ANCHO - 8 - CABECERA_X);
    if (cabecera.size() > CABECERA_LINEAS) error = "la cabecera de la ayuda no cabe";
    for (size_t i = 0; i < cabecera.size(); ++i)
        normal.escribir(l, cabecera[i], CABECERA_X, 20 + 15 * static_cast<int>(i), TAM_CABECERA,
                        Paleta::TEXTO_CLARO);
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
