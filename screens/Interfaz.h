#ifndef VQ_INTERFAZ_H
#define VQ_INTERFAZ_H

class Imagen2D;
class MejorPuntaje;

// Todo lo que se dibuja plano sobre la escena: el panel lateral con sus
// contadores y botones, la ayuda, los ajustes y los carteles de ganar y perder.
class Interfaz {
public:
    static constexpr int CANTIDAD_TICKS = 24;
    // Lugar de cada grupo de ticks en el orden de creación, clic y dibujo.
    static constexpr int TICK_LUZ = 0;         // luces 0, 1, 2
    static constexpr int TICK_FACETADO = 3;
    static constexpr int TICK_INTERPOLADO = 4;
    static constexpr int TICK_TEXTURADO = 5;
    static constexpr int TICK_WIREFRAME = 6;
    static constexpr int TICK_COLOR = 7;       // filas de las luces 0, 2 y 1; columnas R, G, B
    static constexpr int TICK_POSICION = 16;
    static constexpr int TICK_VELOCIDAD = 20;

    static Interfaz* getInstance();

    void setFps(int f) { fps = f; }
    void sumarPuntos(int n) { puntos += n; }
    void sumarBolas(int n) { bolas += n; }
    void setNivel(int n) { nivel = n; }
    void reiniciar(int n);
    void mostrarGanar();
    void mostrarPerder();
    bool click(int x, int y);
    void dibujar() const;
    void actualizarTicks();

    int getFps() const { return fps; }
    int getPuntos() const { return puntos; }
    int getNivel() const { return nivel; }
    int getBolas() const { return bolas; }
    // Clics que tomaron los botones (los del panel y los Volver) y los ticks de los ajustes.
    int getClicsBotones() const { return clicsBotones; }
    int getClicsTicks() const { return clicsTicks; }
    const Imagen2D& getImagenGanar() const { return *imagenGanar; }
    const Imagen2D& getImagenPerder() const { return *imagenPerder; }
    const Imagen2D& getBotonAyuda() const { return *botonAyuda; }
    const Imagen2D& getBotonAjustes() const { return *botonAjustes; }
    const Imagen2D& getPaginaAjustes() const { return *paginaAjustes; }
    const Imagen2D& getPaginaAyuda() const { return *paginaAyuda; }
    const Imagen2D& getSalirAjustes() const { return *salirAjustes; }
    const Imagen2D& getSalirAyuda() const { return *salirAyuda; }
    const Imagen2D& getMenu() const { return *menu; }
    const Imagen2D& getTick(int i) const { return *ticks[i]; }

private:
    Interfaz();
    void crearTicks();

    void abrirAyuda();
    void cerrarAyuda();
    void abrirAjustes();
    void cerrarAjustes();
    void mostrarMenu(bool visible);
    void accionTick(int i);
    void tickLuz(int luz);
    void tickModo(int i);
    void tickColor(int i);
    void tickPosicion(int k);
    void tickVelocidad(int k);
    void mostrarSoloUno(int primero, int cantidad, int elegido);

    int fps = 0;
    int puntos = 0;
    int nivel = 1;
    int bolas = 20;
    int clicsBotones = 0;
    int clicsTicks = 0;
    Imagen2D* imagenGanar;
    Imagen2D* imagenPerder;
    Imagen2D* botonAyuda;
    Imagen2D* botonAjustes;
    Imagen2D* paginaAjustes;
    Imagen2D* paginaAyuda;
    Imagen2D* salirAjustes;
    Imagen2D* salirAyuda;
    Imagen2D* menu;
    Imagen2D* ticks[CANTIDAD_TICKS];
    MejorPuntaje* mejorPuntaje;
};

#endif
