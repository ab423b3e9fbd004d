#include "tools/PintorPanel.h"

#include "tools/Paleta.h"

namespace {

constexpr int ANCHO = 160, ALTO = 600;
constexpr int VENTANA_X = 640;  // columna de la ventana donde empieza el panel
constexpr double CELDA = 15.0;  // tamaño de los dígitos: celda de 7,5 x 15, uno cada 15
constexpr int MARGEN = 6;
constexpr int TAM_NOTA = 11, PASO_NOTA = 13;

const char* const DISPARO =
    "Suelta el botón izquierdo para disparar. Sin bolas se sigue tirando: la cuenta baja de "
    "cero.";
const char* const REGLAS =
    "El aro suma una bola por actualización (unas 29/s) mientras retiene la bola. Superar el "
    "nivel 1 o 2 sin bolas es perder.";

}  // namespace

int PintorPanel::zonaContador(Lienzo& l, int ventanaX, int ventanaY, int digitos) {
    // La fila 0 del mapa es la fila 599 de la ventana.
    const double x0 = ventanaX - VENTANA_X - MARGEN;
    const double x1 = ventanaX - VENTANA_X + CELDA * (digitos - 1) + CELDA / 2 + MARGEN;
    const double y0 = ALTO - (ventanaY + CELDA) - MARGEN;
    const double y1 = ALTO - ventanaY + MARGEN;
    l.rectanguloRedondeado(x0 - 1, y0 - 1, x1 + 1, y1 + 1, 5, Paleta::BORDE);
    l.rectanguloRedondeado(x0, y0, x1, y1, 4, Paleta::CREMA);
    return static_cast<int>(y0);
}

void PintorPanel::leyendaPiezas(Lienzo& l, int arriba) {
    static const char* const PUNTOS[4] = {"200", "50", "500", "1000"};
    normal.escribirCentrado(l, "Valor de las piezas", ANCHO / 2, arriba + 10, 11,
                            Paleta::TEXTO_TENUE);
    for (int t = 0; t < 4; ++t) {
        const int cx = 22 + (t % 2) * 72, cy = arriba + 26 + (t / 2) * 20;
        l.disco(cx, cy, 7.5, {0.85, 0.85, 0.9});
        l.esfera(cx, cy, 6.5, Paleta::PIEZA_ENCENDIDA[t]);
        negrita.escribir(l, PUNTOS[t], cx + 11, cy + 5, 13, Paleta::TEXTO_CLARO);
    }
}

int PintorPanel::nota(Lienzo& l, const std::string& texto, int base) {
    for (const std::string& linea : normal.partir(texto, TAM_NOTA, ANCHO - 12)) {
        normal.escribirCentrado(l, linea, ANCHO / 2, base, TAM_NOTA, Paleta::TEXTO_TENUE);
        base += PASO_NOTA;
    }
    return base;
}

int PintorPanel::atajos(Lienzo& l, int base) {
    static const char* const ATAJOS[][2] = {{"P", "pausa"},          {"V", "otra cámara"},
                                            {"Y", "seguir la bola"}, {"H J K L", "modo de dibujo"},
                                            {"Esc, Q", "salir"},     {"– +", "velocidad"}};
    for (const auto& atajo : ATAJOS) {
        negrita.escribir(l, atajo[0], 10, base, 12, Paleta::DORADO);
        normal.escribir(l, atajo[1], 60, base, 12, Paleta::TEXTO_CLARO);
        base += 15;
    }
    // La velocidad va última para que esta aclaración quede pegada a ella.
    return nota(l, "– + del teclado numérico", base);
}

Lienzo PintorPanel::menu(std::string& error) {
    Lienzo l(ANCHO, ALTO);
    l.degradado(0, 0, ANCHO, ALTO, Paleta::PANEL_ARRIBA, Paleta::PANEL_ABAJO);
    l.rellenar(0, 0, 2, ALTO, {0.05, 0.05, 0.08});  // separa el panel del tablero
    negrita.escribirCentrado(l, "Vorlix Quintar", ANCHO / 2 + 1, 22, 16, Paleta::DORADO);
    l.rellenar(16, 30, ANCHO - 14, 31, {0.40, 0.36, 0.50});

    const int puntos = zonaContador(l, 690, 530, 7);
    negrita.escribir(l, "Puntos", 44, puntos - 6, 13, Paleta::TEXTO_CLARO);
    leyendaPiezas(l, 84);
    const int bolas = zonaContador(l, 670, 420, 3);
    negrita.escribir(l, "Bolas", 24, bolas - 6, 13, Paleta::TEXTO_CLARO);
    zonaContador(l, 750, 420, 3);
    negrita.escribir(l, "Nivel", 104, bolas - 6, 13, Paleta::TEXTO_CLARO);

    // Entre las filas 257 y 368 van los dos botones: sólo fondo liso.
    if (nota(l, DISPARO, 201) - TAM_NOTA > 255)
        error = "el texto del disparo invade los botones del panel";
    const int reglas = nota(l, REGLAS, 383);
    const int cuadros = zonaContador(l, 750, 25, 3);
    if (atajos(l, reglas + 9) - TAM_NOTA > cuadros - 3)
        error = "las teclas del panel invaden el contador de cuadros";
    const int anchoRotulo = negrita.medir("Cuadros/s", 13);
    negrita.escribir(l, "Cuadros/s", 94 - anchoRotulo, cuadros + 19, 13, Paleta::TEXTO_CLARO);
    return l;
}

Lienzo PintorPanel::boton(const std::string& texto) {
    Lienzo l(140, 35);
    l.degradado(0, 0, 140, 35, Paleta::BOTON_ARRIBA, Paleta::BOTON_ABAJO);
    l.marco(0, 0, 140, 35, 1, {0.10, 0.09, 0.17});
    l.rellenar(1, 1, 139, 2, {0.66, 0.62, 0.86});
    l.rellenar(1, 33, 139, 34, {0.16, 0.14, 0.28});
    const int ancho = negrita.medir(texto, 16);
    negrita.escribir(l, texto, 70 - ancho / 2 + 1, 24, 16, {0.06, 0.05, 0.12});
    negrita.escribir(l, texto, 70 - ancho / 2, 23, 16, {1.0, 0.97, 0.90});
    return l;
}
