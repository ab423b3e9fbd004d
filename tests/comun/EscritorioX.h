#ifndef VQ_ESCRITORIO_X_H
#define VQ_ESCRITORIO_X_H

#include <X11/Xlib.h>

#include <functional>
#include <string>
#include <vector>

// Pregunta cada poco hasta que listo se cumpla o pase el plazo, holgado para una máquina cargada.
constexpr double PLAZO = 60;
bool esperarQue(const std::function<bool()>& listo, double segundos = PLAZO);

// Un jugador frente a la pantalla, con eventos reales de XTest.
class EscritorioX {
public:
    struct Color {
        int r, g, b;
    };

    // Píxeles de una ventana o del cuadro de OpenGL, con la fila 0 arriba.
    struct Captura {
        int ancho = 0, alto = 0;
        std::vector<Color> pixeles;
        // Fuera de la captura (o de una ventana que ya no está) da un color imposible.
        Color en(int x, int y) const {
            const bool dentro = x >= 0 && y >= 0 && x < ancho && y < alto;
            return dentro ? pixeles[static_cast<size_t>(y) * ancho + x] : Color{-1, -1, -1};
        }
        // Con y contada desde abajo, como la capa 2D del juego.
        Color desdeAbajo(int x, int y) const { return en(x, alto - 1 - y); }
    };

    EscritorioX();  // reintenta un momento: un servidor que se reinicia rechaza conexiones
    ~EscritorioX();
    EscritorioX(const EscritorioX&) = delete;
    EscritorioX& operator=(const EscritorioX&) = delete;

    // Espera una ventana visible con ese título; 0 si no aparece.
    Window esperarVentana(const std::string& titulo, double segundos = PLAZO);
    // Lleva el puntero a la ventana (que así recibe el teclado) y aprieta o suelta.
    void tecla(Window ventana, const char* nombre, bool abajo);
    void tocarTecla(Window ventana, const char* nombre);
    // Clic izquierdo en un punto de la ventana (origen arriba a la izquierda).
    void clic(Window ventana, int x, int y);
    void moverA(Window ventana, int x, int y);
    Captura capturar(Window ventana);

private:
    Window buscar(Window raiz, const std::string& titulo);
    std::string titulo(Window w);

    Display* pantalla;
};

#endif
