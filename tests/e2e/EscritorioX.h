#ifndef VQ_ESCRITORIO_X_H
#define VQ_ESCRITORIO_X_H

#include <X11/Xlib.h>

#include <string>
#include <vector>

// Lo que hace un jugador frente a la pantalla, con eventos reales de XTest:
// buscar ventanas por su título, teclear, mover el ratón, hacer clic y mirar.
class EscritorioX {
public:
    struct Color {
        int r, g, b;
    };

    // Una captura de una ventana: píxeles con el origen arriba a la izquierda.
    struct Captura {
        int ancho = 0, alto = 0;
        std::vector<Color> pixeles;
        Color en(int x, int y) const { return pixeles[static_cast<size_t>(y) * ancho + x]; }
        // Igual, pero con y contada desde abajo, como la capa 2D del juego.
        Color desdeAbajo(int x, int y) const { return en(x, alto - 1 - y); }
    };

    EscritorioX();
    ~EscritorioX();
    EscritorioX(const EscritorioX&) = delete;
    EscritorioX& operator=(const EscritorioX&) = delete;

    // Espera una ventana visible con ese título; 0 si no aparece.
    Window esperarVentana(const std::string& titulo, double segundos);
    bool existeVentana(const std::string& titulo);

    // Pulsa y suelta; el puntero se lleva antes a la ventana, que así recibe el teclado.
    void tocarTecla(Window ventana, const char* tecla);
    void pulsarTecla(Window ventana, const char* tecla);
    void soltarTecla(Window ventana, const char* tecla);
    // Clic izquierdo en un punto de la ventana (origen arriba a la izquierda).
    void clic(Window ventana, int x, int y);
    void moverA(Window ventana, int x, int y);

    Captura capturar(Window ventana);
    // Espera hasta que la ventana muestre algo más que el color de fondo.
    Captura capturarCuandoDibuje(Window ventana, double segundos);

private:
    Window buscar(Window raiz, const std::string& titulo);
    std::string titulo(Window w);
    void tecla(Window ventana, const char* nombre, bool abajo);

    Display* pantalla;
};

#endif
