#ifndef VQ_DIALOGO_X11_H
#define VQ_DIALOGO_X11_H

#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>

#include <string>
#include <vector>

// Cuadro de pregunta Sí/No o de aviso con un solo botón en el escritorio X,
// hecho sólo con Xlib y Xft. Abre su propia conexión al servidor y la cierra
// antes de volver.
class DialogoX11 {
public:
    enum class Resultado { Si, No, Aceptar, Cerrado, SinMostrar };

    // Medidas del cuadro, en píxeles; los botones van abajo a la derecha.
    static constexpr int MARGEN = 20;
    static constexpr int DIAMETRO_ICONO = 40;
    static constexpr int ANCHO_BOTON = 88;
    static constexpr int ALTO_BOTON = 28;
    static constexpr int SEPARACION = 10;
    static constexpr int ANCHO_MAXIMO_TEXTO = 420;
    // Fuentes que se prueban en orden para el texto.
    static constexpr const char* FUENTES[] = {"DejaVu Sans:pixelsize=15", "Sans:pixelsize=15"};

    // Los textos llegan en UTF-8.
    DialogoX11(const char* titulo, const char* texto);
    ~DialogoX11();
    DialogoX11(const DialogoX11&) = delete;
    DialogoX11& operator=(const DialogoX11&) = delete;

    // Conexión al servidor de $DISPLAY, lista para usar Xft y cerrarla sin
    // dejar rastros; nulo si no hay servidor.
    static Display* abrirPantalla();

    // Muestran el cuadro y esperan la respuesta; una sola vez por objeto.
    // SinMostrar si no hubo pantalla o fuente; Cerrado si se cerró la
    // ventana o se cayó la conexión.
    // Pregunta con "Sí" y "No" y un ícono de interrogación.
    Resultado preguntar();
    // Aviso de error con "Aceptar": lo cierran el botón, Enter, Escape o la barra.
    Resultado avisar();

private:
    enum Color {
        FONDO,
        TEXTO,
        CARA_BOTON,
        CARA_APRETADA,
        BORDE,
        BORDE_FOCO,
        ICONO,
        ICONO_ERROR,
        BLANCO,
        CANT_COLORES
    };

    Resultado mostrar();
    int cantidadBotones() const;
    int izquierdaBoton(int indice) const;
    Resultado resultadoDe(int boton) const;
    void responder(Resultado r);
    bool abrir();
    int medir(const char* cadena, int largo) const;
    void partirTexto();
    void crearVentana();
    void atender(XEvent& evento);
    void teclear(XKeyEvent& tecla);
    int botonEn(int x, int y) const;
    void dibujar();
    void dibujarBoton(int indice);
    void cerrar();

    static int ignorarError(Display*, XErrorEvent*);
    static int seguirTrasCaida(Display*);
    static void conexionCaida(Display*, void* dialogo);

    std::string titulo;
    std::string texto;
    std::vector<std::string> lineas;

    Display* pantalla = nullptr;
    Window ventana = 0;
    Pixmap lienzo = 0;
    GC contexto = nullptr;
    XftDraw* dibujo = nullptr;
    XftFont* fuente = nullptr;
    XftFont* fuenteIcono = nullptr;
    XftColor colores[CANT_COLORES] = {};
    bool coloresListos = false;
    Atom borrarVentana = 0;
    XErrorHandler manejadorAnterior = nullptr;
    XIOErrorHandler manejadorCaidaAnterior = nullptr;

    int ancho = 0;
    int alto = 0;
    int anchoTexto = 0;
    int altoLinea = 0;
    int textoX = 0;
    int textoY = 0;
    int iconoY = 0;
    int botonFoco = 0;
    int botonApretado = -1;
    unsigned int teclaApretada = 0;
    bool aviso = false;
    bool expuesto = false;
    bool caida = false;
    bool respondido = false;
    Resultado resultado = Resultado::Cerrado;
};

#endif
