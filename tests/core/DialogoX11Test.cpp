// gtest antes que Xlib: las macros de X (None, Bool) chocan con sus plantillas.
#include <gtest/gtest.h>

#include "core/DialogoX11.h"
#include "core/Sistema.h"
#include "tests/comun/ServidorX.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <dirent.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <utility>
#include <vector>

using Resultado = DialogoX11::Resultado;
using Accion = std::function<void(Display*, Window)>;

namespace {

const char* const TITULO = "Pantalla Completa";
const char* const PREGUNTA = "¿Desea iniciar el juego en pantalla completa?";

std::string propiedad(Display* d, Window w, const char* nombre) {
    Atom tipo;
    int formato;
    unsigned long n = 0, resto;
    unsigned char* datos = nullptr;
    XGetWindowProperty(d, w, XInternAtom(d, nombre, False), 0, 1024, False, AnyPropertyType, &tipo,
                       &formato, &n, &resto, &datos);
    std::string r(datos ? reinterpret_cast<char*>(datos) : "", n);
    XFree(datos);
    return r;
}

// Espera (hasta 5 s) la ventana de ese título, visible y con el foco.
Window esperarDialogo(Display* d, const char* titulo) {
    for (int intento = 0; intento < 500; ++intento) {
        Window foco;
        int revertir;
        XWindowAttributes a;
        XGetInputFocus(d, &foco, &revertir);
        if (foco > PointerRoot && propiedad(d, foco, "_NET_WM_NAME") == titulo &&
            XGetWindowAttributes(d, foco, &a) && a.map_state == IsViewable)
            return foco;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return 0;
}

// Muestra el cuadro en otro hilo y lo maneja con `accion` desde otra conexión.
// Si no termina, se echa a los dueños de las ventanas para no colgar la prueba.
template <class R>
R manejar(std::function<R()> mostrar, const Accion& accion, const char* titulo = TITULO) {
    auto futuro = std::async(std::launch::async, mostrar);
    Display* d = XOpenDisplay(nullptr);
    Window w = esperarDialogo(d, titulo);
    EXPECT_NE(w, 0u) << "el cuadro no apareció o no tomó el foco";
    if (w) accion(d, w);
    XSync(d, False);
    if (futuro.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ADD_FAILURE() << "el cuadro no terminó";
        Window raiz, padre, *hijas = nullptr;
        unsigned int n = 0;
        XQueryTree(d, DefaultRootWindow(d), &raiz, &padre, &hijas, &n);
        for (unsigned int i = 0; i < n; ++i) XKillClient(d, hijas[i]);
        XFree(hijas);
    }
    XCloseDisplay(d);
    return futuro.get();
}

Resultado dialogo(const Accion& accion, const char* titulo = TITULO, const char* texto = PREGUNTA) {
    return manejar<Resultado>([=] { return DialogoX11(titulo, texto).preguntar(); }, accion,
                              titulo);
}

// Teclas por XTest (como un teclado) o, con `directo`, por XSendEvent a la
// ventana, como `xdotool key --window`. Sin `apretar` sólo se sueltan: imita
// una tecla apretada en otra ventana.
Accion teclas(std::initializer_list<KeySym> lista, bool directo = false, bool apretar = true) {
    std::vector<KeySym> simbolos(lista);
    return [=](Display* d, Window w) {
        XKeyEvent e = {};
        e.display = d;
        e.window = w;
        e.root = DefaultRootWindow(d);
        e.same_screen = True;
        for (KeySym s : simbolos) {
            e.keycode = XKeysymToKeycode(d, s);
            for (int tipo : {KeyPress, KeyRelease}) {
                e.type = tipo;
                if (tipo == KeyPress && !apretar) continue;
                if (directo)
                    XSendEvent(d, w, True, tipo == KeyPress ? KeyPressMask : KeyReleaseMask,
                               reinterpret_cast<XEvent*>(&e));
                else
                    XTestFakeKeyEvent(d, e.keycode, tipo == KeyPress, 0);
            }
        }
        XFlush(d);
    };
}

// Aprieta el botón izquierdo sobre un botón del cuadro (0 Sí, 1 No) y lo suelta sobre otro.
Accion clic(int apretar, int soltar) {
    return [=](Display* d, Window w) {
        XWindowAttributes a;
        XGetWindowAttributes(d, w, &a);
        const std::pair<int, Bool> pasos[] = {{apretar, True}, {soltar, False}};
        for (auto [boton, abajo] : pasos) {
            XTestFakeMotionEvent(
                d, -1,
                a.x + a.width - DialogoX11::MARGEN - DialogoX11::ANCHO_BOTON / 2 -
                    (1 - boton) * (DialogoX11::ANCHO_BOTON + DialogoX11::SEPARACION),
                a.y + a.height - DialogoX11::MARGEN - DialogoX11::ALTO_BOTON / 2, 0);
            XTestFakeButtonEvent(d, 1, abajo, 0);
        }
        XFlush(d);
    };
}

void cerrarVentana(Display* d, Window w) {
    XEvent e = {};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = XInternAtom(d, "WM_DELETE_WINDOW", False);
    XSendEvent(d, w, False, NoEventMask, &e);
}

}  // namespace

TEST(DialogoX11, VentanaCentradaDeTamanioFijoConTitulo) {
    auto revisar = [](const char* titulo, XWindowAttributes& a) {
        return [titulo, &a](Display* d, Window w) {
            EXPECT_EQ(propiedad(d, w, "_NET_WM_NAME"), titulo);
            EXPECT_EQ(propiedad(d, w, "WM_NAME"), titulo);
            XGetWindowAttributes(d, w, &a);
            EXPECT_NEAR(a.x, (1280 - a.width) / 2, 1);
            EXPECT_NEAR(a.y, (720 - a.height) / 2, 1);
            XSizeHints t;
            long dados;
            XGetWMNormalHints(d, w, &t, &dados);
            EXPECT_TRUE(t.min_width == a.width && t.max_width == a.width &&
                        t.min_height == a.height && t.max_height == a.height);
            cerrarVentana(d, w);
        };
    };
    XWindowAttributes corto = {}, largo = {};
    EXPECT_EQ(dialogo(revisar(TITULO, corto)), Resultado::Cerrado);
    EXPECT_LT(corto.width, 640);
    std::string texto;
    for (int i = 0; i < 30; ++i) texto += "Preste atención, jugador. ";
    EXPECT_EQ(dialogo(revisar("Aviso", largo), "Aviso", texto.c_str()), Resultado::Cerrado);
    // El texto largo se parte en renglones: más alto, nunca más ancho que el máximo.
    EXPECT_LE(largo.width, DialogoX11::ANCHO_MAXIMO_TEXTO + 2 * DialogoX11::MARGEN +
                               DialogoX11::DIAMETRO_ICONO + 20);
    EXPECT_GE(largo.height, corto.height + 4 * 15);
}

TEST(DialogoX11, RespondeConElTecladoYCierraSuConexion) {
    EXPECT_EQ(dialogo(teclas({XK_n})), Resultado::No);
    auto descriptores = [] {
        int n = 0;
        DIR* dir = opendir("/proc/self/fd");
        while (readdir(dir)) ++n;
        closedir(dir);
        return n;
    };
    int antes = descriptores();
    EXPECT_EQ(dialogo(teclas({XK_s})), Resultado::Si);
    EXPECT_EQ(dialogo(teclas({XK_Return})), Resultado::Si);
    EXPECT_EQ(dialogo(teclas({XK_Tab, XK_Return})), Resultado::No);
    EXPECT_EQ(dialogo(teclas({XK_Right, XK_Left, XK_Return})), Resultado::Si);
    EXPECT_EQ(dialogo(teclas({XK_x, XK_Escape, XK_Right, XK_space})), Resultado::No);
    EXPECT_EQ(dialogo(teclas({XK_n}, true)), Resultado::No);
    EXPECT_EQ(dialogo(teclas({XK_Left, XK_Return}, true)), Resultado::No);
    // El Enter que lanzó el juego desde una terminal se suelta sobre el cuadro: no contesta.
    EXPECT_EQ(dialogo([](Display* d, Window w) {
                  teclas({XK_Return}, true, false)(d, w);
                  teclas({XK_n}, true)(d, w);
              }),
              Resultado::No);
    EXPECT_EQ(descriptores(), antes);
}

TEST(DialogoX11, RespondeConElRatonYCerrarEsFallo) {
    EXPECT_EQ(dialogo(clic(0, 0)), Resultado::Si);
    EXPECT_EQ(dialogo(clic(1, 1)), Resultado::No);
    // Apretar en un botón y soltar en el otro no contesta nada.
    EXPECT_EQ(dialogo([](Display* d, Window w) {
                  clic(0, 1)(d, w);
                  clic(1, 0)(d, w);
                  cerrarVentana(d, w);
              }),
              Resultado::Cerrado);
    auto preguntar = [] { return Sistema::preguntarSiNo(TITULO, PREGUNTA); };
    EXPECT_EQ(manejar<Sistema::Respuesta>(preguntar, cerrarVentana), Sistema::Respuesta::Fallo);
    EXPECT_EQ(manejar<Sistema::Respuesta>(preguntar, clic(1, 1)), Sistema::Respuesta::No);
}

TEST(DialogoX11, DibujaElTextoConSusAcentos) {
    // Ancho de tinta que el texto debe ocupar con la misma fuente.
    Display* propia = DialogoX11::abrirPantalla();
    XftFont* fuente = XftFontOpenName(propia, 0, DialogoX11::FUENTES[0]);
    ASSERT_NE(fuente, nullptr);
    XGlyphInfo medida;
    XftTextExtentsUtf8(propia, fuente, reinterpret_cast<const FcChar8*>(PREGUNTA),
                       std::strlen(PREGUNTA), &medida);
    XftFontClose(propia, fuente);
    XCloseDisplay(propia);

    int oscuros = 0, grises = 0, azules = 0, izquierda = 1 << 20, derecha = -1;
    dialogo([&](Display* d, Window w) {
        XWindowAttributes a;
        XGetWindowAttributes(d, w, &a);
        // El cuadro dibuja al recibir Expose: se espera a ver tinta.
        for (int intento = 0; intento < 200 && oscuros == 0; ++intento) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            XImage* img = XGetImage(d, w, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
            for (int y = DialogoX11::MARGEN;
                 y < a.height - DialogoX11::MARGEN - DialogoX11::ALTO_BOTON; ++y) {
                for (int x = DialogoX11::MARGEN; x < a.width; ++x) {
                    unsigned long p = XGetPixel(img, x, y);
                    int r = (p >> 16) & 0xff, g = (p >> 8) & 0xff, b = p & 0xff;
                    bool oscuro = r < 100 && g < 100 && b < 100;
                    if (x < DialogoX11::MARGEN + DialogoX11::DIAMETRO_ICONO) {
                        azules += b > 150 && r < 100;
                    } else if (oscuro) {
                        ++oscuros;
                        izquierda = std::min(izquierda, x);
                        derecha = std::max(derecha, x);
                    }
                    grises += !oscuro && r < 220;
                }
            }
            XDestroyImage(img);
        }
        teclas({XK_n})(d, w);
    });
    EXPECT_GT(oscuros, 300);
    EXPECT_GT(grises, 100);  // bordes suavizados: lo dibuja Xft
    EXPECT_GT(azules, 600);  // el círculo del ícono
    // Un "¿" mal decodificado cambiaría el ancho del renglón.
    EXPECT_NEAR(derecha - izquierda + 1, static_cast<int>(medida.width), 2);
}

TEST(DialogoX11, AvisoDeErrorConUnSoloBoton) {
    auto aviso = [](const Accion& accion) {
        return manejar<Resultado>([] { return DialogoX11("Error", "Out of memory.").avisar(); },
                                  accion, "Error");
    };
    int rojos = 0;
    // El ícono es un círculo rojo; el cuadro lo dibuja al recibir Expose.
    EXPECT_EQ(aviso([&](Display* d, Window w) {
                  for (int intento = 0; intento < 200 && rojos < 600; ++intento) {
                      std::this_thread::sleep_for(std::chrono::milliseconds(10));
                      XImage* img = XGetImage(d, w, 0, 0, 60, 80, AllPlanes, ZPixmap);
                      for (int y = 0; y < 80; ++y)
                          for (int x = 0; x < 60; ++x) {
                              unsigned long p = XGetPixel(img, x, y);
                              rojos += (p >> 16) > 150 && (p & 0xffff) < 0x6464;
                          }
                      XDestroyImage(img);
                  }
                  teclas({XK_Return})(d, w);
              }),
              Resultado::Aceptar);
    EXPECT_GE(rojos, 600);
    EXPECT_EQ(aviso(teclas({XK_Escape})), Resultado::Aceptar);
    // "s" y "n" no contestan un aviso; Tab deja el foco en su único botón.
    EXPECT_EQ(aviso(teclas({XK_s, XK_n, XK_Tab, XK_space})), Resultado::Aceptar);
    EXPECT_EQ(aviso(clic(1, 1)), Resultado::Aceptar);
    EXPECT_EQ(aviso(cerrarVentana), Resultado::Cerrado);
    manejar<void>([] { Sistema::avisar("Error", "Out of memory."); }, teclas({XK_Return}), "Error");
}

TEST(DialogoX11, SobreviveALaCaidaDelServidor) {
    std::string original = std::getenv("DISPLAY");
    std::future<Resultado> futuro;
    {
        ServidorX servidor(640, 480);
        futuro =
            std::async(std::launch::async, [] { return DialogoX11(TITULO, PREGUNTA).preguntar(); });
        Display* d = XOpenDisplay(nullptr);
        EXPECT_NE(esperarDialogo(d, TITULO), 0u);
        XCloseDisplay(d);
    }
    setenv("DISPLAY", original.c_str(), 1);
    // Xlib terminaría el proceso; el cuadro, en cambio, vuelve con Cerrado.
    ASSERT_EQ(futuro.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(futuro.get(), Resultado::Cerrado);
}
