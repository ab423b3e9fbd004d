#include "EscritorioX.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

void pausa(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Las ventanas del juego desaparecen cuando termina: un pedido sobre una
// ventana que ya no existe no debe tumbar la prueba.
int ignorarError(Display*, XErrorEvent*) { return 0; }

}  // namespace

bool esperarQue(const std::function<bool()>& listo, double segundos) {
    for (const auto limite = std::chrono::steady_clock::now() + std::chrono::duration<double>(segundos); !listo(); pausa(50))
        if (std::chrono::steady_clock::now() > limite) return false;
    return true;
}

EscritorioX::EscritorioX() : pantalla(nullptr) {
    // Un servidor que se está reiniciando rechaza conexiones un momento.
    esperarQue([this] { return (pantalla = XOpenDisplay(nullptr)) != nullptr; }, 3);
    if (pantalla == nullptr) throw std::runtime_error("no se puede abrir la pantalla X");
    XSetErrorHandler(ignorarError);
}

EscritorioX::~EscritorioX() { XCloseDisplay(pantalla); }

// Los títulos que se buscan son ASCII: WM_NAME los tiene tal cual.
std::string EscritorioX::titulo(Window w) {
    char* nombre = nullptr;
    const std::string t = XFetchName(pantalla, w, &nombre) && nombre ? nombre : "";
    if (nombre) XFree(nombre);
    return t;
}

Window EscritorioX::buscar(Window raiz, const std::string& buscado) {
    Window r, padre, *hijos = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(pantalla, raiz, &r, &padre, &hijos, &n)) return 0;
    Window hallada = 0;
    for (unsigned int i = 0; i < n && hallada == 0; i++) {
        XWindowAttributes a;
        const bool es = XGetWindowAttributes(pantalla, hijos[i], &a) && a.map_state == IsViewable && titulo(hijos[i]) == buscado;
        hallada = es ? hijos[i] : buscar(hijos[i], buscado);
    }
    if (hijos) XFree(hijos);
    return hallada;
}

Window EscritorioX::esperarVentana(const std::string& t, double segundos) {
    Window w = 0;
    esperarQue([&] { return (w = buscar(DefaultRootWindow(pantalla), t)) != 0; }, segundos);
    return w;
}

void EscritorioX::moverA(Window ventana, int x, int y) {
    int rx = 0, ry = 0;
    Window hijo;
    XTranslateCoordinates(pantalla, ventana, DefaultRootWindow(pantalla), x, y, &rx, &ry, &hijo);
    XTestFakeMotionEvent(pantalla, DefaultScreen(pantalla), rx, ry, CurrentTime);
    XSync(pantalla, False);
    pausa(60);
}

void EscritorioX::tecla(Window ventana, const char* nombre, bool abajo) {
    XWindowAttributes a;
    XGetWindowAttributes(pantalla, ventana, &a);
    moverA(ventana, a.width / 2, a.height / 2);
    KeyCode codigo = XKeysymToKeycode(pantalla, XStringToKeysym(nombre));
    XTestFakeKeyEvent(pantalla, codigo, abajo, CurrentTime);
    XSync(pantalla, False);
    pausa(120);
}

void EscritorioX::tocarTecla(Window ventana, const char* nombre) {
    tecla(ventana, nombre, true);
    tecla(ventana, nombre, false);
}

void EscritorioX::clic(Window ventana, int x, int y) {
    moverA(ventana, x, y);
    for (const bool abajo : {true, false}) {
        XTestFakeButtonEvent(pantalla, 1, abajo, CurrentTime);
        XSync(pantalla, False);
        pausa(abajo ? 80 : 250);
    }
}

EscritorioX::Captura EscritorioX::capturar(Window ventana) {
    XWindowAttributes a;
    XGetWindowAttributes(pantalla, ventana, &a);
    Captura c;
    XImage* imagen = XGetImage(pantalla, ventana, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    if (imagen == nullptr) return c;
    c.ancho = a.width;
    c.alto = a.height;
    c.pixeles.resize(static_cast<size_t>(a.width) * a.height);
    for (int y = 0; y < a.height; y++)
        for (int x = 0; x < a.width; x++) {
            const unsigned long p = XGetPixel(imagen, x, y);
            c.pixeles[static_cast<size_t>(y) * a.width + x] = {int(p >> 16 & 255), int(p >> 8 & 255), int(p & 255)};
        }
    XDestroyImage(imagen);
    return c;
}
