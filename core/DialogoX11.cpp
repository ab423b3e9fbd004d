#include "core/DialogoX11.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrender.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstring>
#include <poll.h>

namespace {

const char* const ETIQUETAS_PREGUNTA[] = {"Sí", "No"};
const char* const ETIQUETAS_AVISO[] = {"Aceptar"};
const char* const FUENTES_ICONO[] = {"DejaVu Sans:bold:pixelsize=26", "Sans:bold:pixelsize=26"};
constexpr int SI = 0;
// Aire entre el ícono y el texto, y entre el texto y los botones.
constexpr int AIRE = 16;
constexpr int AIRE_BOTONES = 24;

// Colores en 16 bits por canal, en el orden del enum Color.
const XRenderColor PALETA[] = {
    {0xf0f0, 0xf0f0, 0xf0f0, 0xffff},  // fondo
    {0x1414, 0x1414, 0x1414, 0xffff},  // texto
    {0xe1e1, 0xe1e1, 0xe1e1, 0xffff},  // cara del botón
    {0xcccc, 0xe4e4, 0xf7f7, 0xffff},  // cara apretada
    {0xadad, 0xadad, 0xadad, 0xffff},  // borde
    {0x0000, 0x7878, 0xd7d7, 0xffff},  // borde con foco
    {0x1e1e, 0x6464, 0xc8c8, 0xffff},  // ícono
    {0xd0d0, 0x2020, 0x2020, 0xffff},  // ícono de error
    {0xffff, 0xffff, 0xffff, 0xffff},  // signo del ícono
};

XftFont* abrirFuente(Display* pantalla, const char* const* nombres, int cantidad) {
    for (int i = 0; i < cantidad; ++i) {
        if (XftFont* f = XftFontOpenName(pantalla, DefaultScreen(pantalla), nombres[i])) return f;
    }
    return nullptr;
}

}  // namespace

DialogoX11::DialogoX11(const char* titulo, const char* texto)
    : titulo(titulo ? titulo : ""), texto(texto ? texto : "") {}

DialogoX11::~DialogoX11() {
    cerrar();
}

DialogoX11::Resultado DialogoX11::preguntar() {
    return mostrar();
}

DialogoX11::Resultado DialogoX11::avisar() {
    aviso = true;
    return mostrar();
}

int DialogoX11::cantidadBotones() const {
    return aviso ? 1 : 2;
}

// Los botones van de izquierda a derecha, el último pegado al margen derecho.
int DialogoX11::izquierdaBoton(int indice) const {
    return ancho - MARGEN - ANCHO_BOTON -
           (cantidadBotones() - 1 - indice) * (ANCHO_BOTON + SEPARACION);
}

DialogoX11::Resultado DialogoX11::resultadoDe(int boton) const {
    if (aviso) return Resultado::Aceptar;
    return boton == SI ? Resultado::Si : Resultado::No;
}

void DialogoX11::responder(Resultado r) {
    resultado = r;
    respondido = true;
}

DialogoX11::Resultado DialogoX11::mostrar() {
    if (!abrir()) {
        cerrar();
        return Resultado::SinMostrar;
    }
    partirTexto();
    crearVentana();
    pollfd espera = {ConnectionNumber(pantalla), POLLIN, 0};
    while (!respondido && !caida) {
        while (!respondido && !caida && XPending(pantalla) > 0) {
            XEvent evento;
            XNextEvent(pantalla, &evento);
            atender(evento);
        }
        if (!respondido && !caida) poll(&espera, 1, -1);
    }
    Resultado r = caida ? Resultado::Cerrado : resultado;
    cerrar();
    return r;
}

Display* DialogoX11::abrirPantalla() {
    Display* d = XOpenDisplay(nullptr);
    // Al cerrar la conexión, Xft libera sus fuentes por RENDER; si RENDER ya
    // cerró su parte, Xrender la rehace con la dirección de la conexión
    // liberada y la próxima que caiga allí manda pedidos basura. Anotar RENDER
    // antes que Xft invierte el orden de cierre.
    if (d) {
        int evento, error;
        XRenderQueryExtension(d, &evento, &error);
    }
    return d;
}

bool DialogoX11::abrir() {
    pantalla = abrirPantalla();
    if (!pantalla) return false;
    // Xlib termina el proceso ante cualquier error si nadie lo atiende;
    // un cuadro de diálogo no puede hacerle eso al juego.
    manejadorAnterior = XSetErrorHandler(ignorarError);
    manejadorCaidaAnterior = XSetIOErrorHandler(seguirTrasCaida);
    XSetIOErrorExitHandler(pantalla, conexionCaida, this);
    fuente = abrirFuente(pantalla, FUENTES, 2);
    if (!fuente) return false;
    fuenteIcono = abrirFuente(pantalla, FUENTES_ICONO, 2);
    return true;
}

int DialogoX11::ignorarError(Display*, XErrorEvent*) {
    return 0;
}

int DialogoX11::seguirTrasCaida(Display*) {
    return 0;
}

void DialogoX11::conexionCaida(Display*, void* dialogo) {
    static_cast<DialogoX11*>(dialogo)->caida = true;
}

int DialogoX11::medir(const char* cadena, int largo) const {
    XGlyphInfo medida;
    XftTextExtentsUtf8(pantalla, fuente, reinterpret_cast<const FcChar8*>(cadena), largo, &medida);
    return medida.xOff;
}

void DialogoX11::partirTexto() {
    // Cada renglón del texto se corta en palabras para no pasar del ancho máximo.
    size_t inicio = 0;
    while (inicio <= texto.size()) {
        size_t fin = std::min(texto.find('\n', inicio), texto.size());
        std::string linea;
        for (size_t p = inicio; p < fin;) {
            size_t q = std::min(texto.find(' ', p), fin);
            std::string prueba =
                linea.empty() ? texto.substr(p, q - p) : linea + texto.substr(p - 1, q - p + 1);
            if (!linea.empty() && medir(prueba.data(), prueba.size()) > ANCHO_MAXIMO_TEXTO) {
                lineas.push_back(linea);
                linea = texto.substr(p, q - p);
            } else {
                linea = prueba;
            }
            p = q + 1;
        }
        lineas.push_back(linea);
        inicio = fin + 1;
    }
    for (const std::string& l : lineas)
        anchoTexto = std::max(anchoTexto, medir(l.data(), l.size()));
}

void DialogoX11::crearVentana() {
    int pantallaNum = DefaultScreen(pantalla);
    Visual* visual = DefaultVisual(pantalla, pantallaNum);
    Colormap mapa = DefaultColormap(pantalla, pantallaNum);
    for (int i = 0; i < CANT_COLORES; ++i)
        XftColorAllocValue(pantalla, visual, mapa, &PALETA[i], &colores[i]);
    coloresListos = true;

    altoLinea = fuente->ascent + fuente->descent;
    int altoTexto = altoLinea * static_cast<int>(lineas.size());
    int cuerpo = std::max(DIAMETRO_ICONO, altoTexto);
    textoX = MARGEN + DIAMETRO_ICONO + AIRE;
    textoY = MARGEN + (cuerpo - altoTexto) / 2;
    iconoY = MARGEN + (cuerpo - DIAMETRO_ICONO) / 2;
    const int n = cantidadBotones();
    ancho = std::max(textoX + anchoTexto + MARGEN,
                     n * ANCHO_BOTON + (n - 1) * SEPARACION + 2 * MARGEN);
    alto = MARGEN + cuerpo + AIRE_BOTONES + ALTO_BOTON + MARGEN;

    Window raiz = RootWindow(pantalla, pantallaNum);
    int x = (DisplayWidth(pantalla, pantallaNum) - ancho) / 2;
    int y = (DisplayHeight(pantalla, pantallaNum) - alto) / 2;
    ventana = XCreateSimpleWindow(pantalla, raiz, x, y, ancho, alto, 0, colores[TEXTO].pixel,
                                  colores[FONDO].pixel);
    XSelectInput(pantalla, ventana,
                 ExposureMask | KeyPressMask | KeyReleaseMask | ButtonPressMask |
                     ButtonReleaseMask | StructureNotifyMask);

    // Tamaño fijo y posición pedida, como cualquier cuadro de mensaje.
    XSizeHints tamanio = {};
    tamanio.flags = USPosition | PPosition | PSize | PMinSize | PMaxSize;
    tamanio.x = x;
    tamanio.y = y;
    tamanio.width = tamanio.min_width = tamanio.max_width = ancho;
    tamanio.height = tamanio.min_height = tamanio.max_height = alto;
    XWMHints indicaciones = {};
    indicaciones.flags = InputHint | StateHint;
    indicaciones.input = True;
    indicaciones.initial_state = NormalState;
    char nombreClase[] = "vorlix-quintar";
    char clase[] = "VorlixQuintar";
    XClassHint claseVentana = {nombreClase, clase};
    Xutf8SetWMProperties(pantalla, ventana, titulo.c_str(), titulo.c_str(), nullptr, 0, &tamanio,
                         &indicaciones, &claseVentana);

    Atom utf8 = XInternAtom(pantalla, "UTF8_STRING", False);
    const unsigned char* tituloUtf8 = reinterpret_cast<const unsigned char*>(titulo.c_str());
    for (const char* propiedad : {"_NET_WM_NAME", "_NET_WM_ICON_NAME"}) {
        XChangeProperty(pantalla, ventana, XInternAtom(pantalla, propiedad, False), utf8, 8,
                        PropModeReplace, tituloUtf8, titulo.size());
    }
    Atom tipoDialogo = XInternAtom(pantalla, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    XChangeProperty(pantalla, ventana, XInternAtom(pantalla, "_NET_WM_WINDOW_TYPE", False), XA_ATOM,
                    32, PropModeReplace, reinterpret_cast<unsigned char*>(&tipoDialogo), 1);
    borrarVentana = XInternAtom(pantalla, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(pantalla, ventana, &borrarVentana, 1);

    // Se dibuja en un mapa de píxeles y se copia entero: sin parpadeo.
    lienzo = XCreatePixmap(pantalla, ventana, ancho, alto, DefaultDepth(pantalla, pantallaNum));
    contexto = XCreateGC(pantalla, lienzo, 0, nullptr);
    dibujo = XftDrawCreate(pantalla, lienzo, visual, mapa);
    XMapRaised(pantalla, ventana);
}

void DialogoX11::atender(XEvent& evento) {
    switch (evento.type) {
        case MapNotify:
        case Expose:
            // Sin gestor de ventanas nadie da el foco: se lo toma el cuadro al
            // aparecer. Con un gestor que lo enmarca, recién el primer Expose
            // llega con la ventana visible.
            if (evento.type == MapNotify || !expuesto)
                XSetInputFocus(pantalla, ventana, RevertToParent, CurrentTime);
            if (evento.type == Expose) {
                expuesto = true;
                if (evento.xexpose.count == 0) dibujar();
            }
            break;
        case KeyPress:
        case KeyRelease:
            teclear(evento.xkey);
            break;
        case ButtonPress:
            if (evento.xbutton.button == Button1) {
                botonApretado = botonEn(evento.xbutton.x, evento.xbutton.y);
                if (botonApretado >= 0) botonFoco = botonApretado;
                dibujar();
            }
            break;
        case ButtonRelease:
            if (evento.xbutton.button == Button1) {
                int boton = botonEn(evento.xbutton.x, evento.xbutton.y);
                if (boton >= 0 && boton == botonApretado) responder(resultadoDe(boton));
                botonApretado = -1;
                dibujar();
            }
            break;
        case ClientMessage:
            if (static_cast<Atom>(evento.xclient.data.l[0]) == borrarVentana)
                responder(Resultado::Cerrado);
            break;
        case DestroyNotify:
            if (evento.xdestroywindow.window == ventana) {
                ventana = 0;
                responder(Resultado::Cerrado);
            }
            break;
    }
}

void DialogoX11::teclear(XKeyEvent& tecla) {
    KeySym simbolo = NoSymbol;
    char letra[8];
    XLookupString(&tecla, letra, sizeof letra, &simbolo, nullptr);
    if (tecla.type == KeyPress) {
        teclaApretada = tecla.keycode;
        if (simbolo == XK_Tab || simbolo == XK_ISO_Left_Tab || simbolo == XK_Left ||
            simbolo == XK_Right) {
            // Con dos botones o con uno, avanzar y retroceder es lo mismo.
            botonFoco = (botonFoco + 1) % cantidadBotones();
            dibujar();
        }
        return;
    }
    // Se responde al soltar una tecla apretada aquí: el Enter que lanzó el
    // juego desde una terminal se suelta sobre el cuadro y no debe contestarlo.
    if (tecla.keycode != teclaApretada) return;
    teclaApretada = 0;
    switch (simbolo) {
        case XK_s:
        case XK_S:
            if (!aviso) responder(Resultado::Si);
            break;
        case XK_n:
        case XK_N:
            if (!aviso) responder(Resultado::No);
            break;
        case XK_Escape:
            if (aviso) responder(Resultado::Aceptar);
            break;
        case XK_Return:
        case XK_KP_Enter:
        case XK_space:
            responder(resultadoDe(botonFoco));
            break;
    }
}

int DialogoX11::botonEn(int x, int y) const {
    int arriba = alto - MARGEN - ALTO_BOTON;
    if (y < arriba || y >= arriba + ALTO_BOTON) return -1;
    for (int i = 0; i < cantidadBotones(); ++i) {
        int izquierda = izquierdaBoton(i);
        if (x >= izquierda && x < izquierda + ANCHO_BOTON) return i;
    }
    return -1;
}

void DialogoX11::dibujar() {
    XftDrawRect(dibujo, &colores[FONDO], 0, 0, ancho, alto);

    XSetForeground(pantalla, contexto, colores[aviso ? ICONO_ERROR : ICONO].pixel);
    XFillArc(pantalla, lienzo, contexto, MARGEN, iconoY, DIAMETRO_ICONO, DIAMETRO_ICONO, 0,
             360 * 64);
    XftFont* letraIcono = fuenteIcono ? fuenteIcono : fuente;
    const FcChar8* simbolo = reinterpret_cast<const FcChar8*>(aviso ? "!" : "?");
    XGlyphInfo signo;
    XftTextExtentsUtf8(pantalla, letraIcono, simbolo, 1, &signo);
    XftDrawStringUtf8(dibujo, &colores[BLANCO], letraIcono,
                      MARGEN + (DIAMETRO_ICONO - signo.width) / 2 + signo.x,
                      iconoY + (DIAMETRO_ICONO - signo.height) / 2 + signo.y, simbolo, 1);

    for (size_t i = 0; i < lineas.size(); ++i) {
        XftDrawStringUtf8(dibujo, &colores[TEXTO], fuente, textoX,
                          textoY + static_cast<int>(i) * altoLinea + fuente->ascent,
                          reinterpret_cast<const FcChar8*>(lineas[i].data()), lineas[i].size());
    }
    for (int i = 0; i < cantidadBotones(); ++i) dibujarBoton(i);
    XCopyArea(pantalla, lienzo, ventana, contexto, 0, 0, ancho, alto, 0, 0);
}

void DialogoX11::dibujarBoton(int indice) {
    int x = izquierdaBoton(indice);
    int y = alto - MARGEN - ALTO_BOTON;
    const char* etiqueta = aviso ? ETIQUETAS_AVISO[indice] : ETIQUETAS_PREGUNTA[indice];
    int borde = indice == botonFoco ? 2 : 1;
    XftDrawRect(dibujo, &colores[indice == botonFoco ? BORDE_FOCO : BORDE], x, y, ANCHO_BOTON,
                ALTO_BOTON);
    XftDrawRect(dibujo, &colores[indice == botonApretado ? CARA_APRETADA : CARA_BOTON], x + borde,
                y + borde, ANCHO_BOTON - 2 * borde, ALTO_BOTON - 2 * borde);
    int largo = std::strlen(etiqueta);
    int anchoEtiqueta = medir(etiqueta, largo);
    XftDrawStringUtf8(dibujo, &colores[TEXTO], fuente, x + (ANCHO_BOTON - anchoEtiqueta) / 2,
                      y + (ALTO_BOTON - altoLinea) / 2 + fuente->ascent,
                      reinterpret_cast<const FcChar8*>(etiqueta), largo);
}

void DialogoX11::cerrar() {
    if (!pantalla) return;
    if (dibujo) XftDrawDestroy(dibujo);
    if (fuenteIcono) XftFontClose(pantalla, fuenteIcono);
    if (fuente) XftFontClose(pantalla, fuente);
    if (coloresListos) {
        int pantallaNum = DefaultScreen(pantalla);
        for (XftColor& c : colores)
            XftColorFree(pantalla, DefaultVisual(pantalla, pantallaNum),
                         DefaultColormap(pantalla, pantallaNum), &c);
    }
    if (contexto) XFreeGC(pantalla, contexto);
    if (lienzo) XFreePixmap(pantalla, lienzo);
    if (ventana) XDestroyWindow(pantalla, ventana);
    XCloseDisplay(pantalla);
    XSetErrorHandler(manejadorAnterior);
    XSetIOErrorHandler(manejadorCaidaAnterior);
    pantalla = nullptr;
    dibujo = nullptr;
    fuente = fuenteIcono = nullptr;
    coloresListos = false;
    contexto = nullptr;
    lienzo = ventana = 0;
}
