#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "Ayudas.h"
#include "core/Camara.h"
#include "core/Canion.h"
#include "core/Juego.h"
#include "particles/Fuegos.h"
#include "playfield/Pelotita.h"
#include "playfield/Pieza.h"
#include "playfield/Plataforma.h"
#include "playfield/Rectangulo.h"
#include "screens/CargadorNivel.h"
#include "screens/Imagen2D.h"
#include "screens/Interfaz.h"
#include "screens/Niveles.h"

namespace {

// El paso de un cuadro a 29 por segundo, a un cuarto del tiempo real.
const float PASO = 0.25f / 29;

// El juego en una carpeta con los niveles de la prueba y el resto de los
// recursos del repositorio; el nivel 1 se carga como al arrancar.
Juego& juegoConNiveles(Ayudas::Carpeta& carpeta, const char* n1, const char* n2, const char* n3) {
    carpeta.escribir("resources/pantalla1.txt", n1);
    carpeta.escribir("resources/pantalla2.txt", n2);
    carpeta.escribir("resources/pantalla3.txt", n3);
    carpeta.enlazarRecursos();
    Juego& juego = Ayudas::juego();
    CargadorNivel().cargarNivel(juego, "resources/pantalla1.txt");
    return juego;
}

void boton(Juego& juego, Uint8 tipo, int x, int y) {
    SDL_Event e = {};
    e.type = tipo;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    juego.manejarEvento(&e);
}

// Aprieta el botón izquierdo en un punto y lo suelta en otro.
void clic(Juego& juego, int x = 100, int y = 100, int xSuelta = -1, int ySuelta = -1) {
    boton(juego, SDL_MOUSEBUTTONDOWN, x, y);
    boton(juego, SDL_MOUSEBUTTONUP, xSuelta < 0 ? x : xSuelta, ySuelta < 0 ? y : ySuelta);
}

void apuntar(Juego& juego, float angulo) {
    Canion& canion = juego.getCanion();
    canion.rotar(angulo - canion.getAngulo());
}

// Dispara con ese ángulo y avanza hasta que termine el tiro; devuelve los pasos.
int tiro(Juego& juego, float angulo) {
    apuntar(juego, angulo);
    clic(juego);
    int pasos = 0;
    while (juego.getEstado() == Juego::EN_VUELO && pasos < 5000) {
        juego.actualizar(PASO);
        pasos++;
    }
    return pasos;
}

const Pelotita& bola(Juego& juego) { return *juego.getPelotitas().front(); }

}  // namespace

TEST(Reglas, DisparoConteoYClicsQueNoDisparan) {
    Ayudas::Carpeta carpeta(true);
    Juego& juego = juegoConNiveles(carpeta, "0\n", "0\n", "0\n");
    Interfaz& interfaz = *Interfaz::getInstance();
    // Soltar sobre el botón de ayuda abre la página y no dispara.
    clic(juego, 700, 282);
    EXPECT_TRUE(interfaz.getPaginaAyuda().isVisible());
    EXPECT_EQ(juego.getEstado(), Juego::PAUSA);
    clic(juego);
    EXPECT_EQ(juego.getPelotitasRestantes(), 20);
    clic(juego, 600, 160);
    EXPECT_EQ(juego.getEstado(), Juego::LISTO);

    // Apretar sobre un botón y soltar fuera dispara, con el ángulo del cañón.
    apuntar(juego, 30);
    clic(juego, 700, 282, 100, 100);
    EXPECT_FALSE(interfaz.getPaginaAyuda().isVisible());
    EXPECT_EQ(juego.getEstado(), Juego::EN_VUELO);
    EXPECT_EQ(bola(juego).getVelX(), 20.0f);
    EXPECT_FLOAT_EQ(bola(juego).getVelY(), -34.641016f);
    EXPECT_EQ(bola(juego).getVelZ(), 0.0f);
    EXPECT_EQ(juego.getPelotitasRestantes(), 19);
    EXPECT_EQ(interfaz.getBolas(), 19);
    // En vuelo o en pausa, un clic sólo llega a la capa 2D.
    clic(juego);
    Ayudas::pulsar(juego, SDLK_p);
    clic(juego);
    EXPECT_EQ(juego.getPelotitasRestantes(), 19);
    Ayudas::pulsar(juego, SDLK_p);
    EXPECT_EQ(juego.getEstado(), Juego::EN_VUELO);
}

namespace {

// El primer texel de la textura del tablero.
Ayudas::Color colorDelTablero(Juego& juego) {
    unsigned char texeles[4 * 4 * 3];
    glBindTexture(GL_TEXTURE_2D, juego.getTablero().getTextura());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texeles);
    return {texeles[0], texeles[1], texeles[2]};
}

std::string liso(int r, int g, int b) {
    return Ayudas::bmp24(4, 4, [=](int, int) { return Ayudas::Color{r, g, b}; });
}

}  // namespace

TEST(Reglas, UnTiroQueDespejaElNivelCargaElSiguiente) {
    Ayudas::Carpeta carpeta(true);
    carpeta.escribir("resources/pantalla2.bmp", liso(10, 200, 30));
    Juego& juego = juegoConNiveles(carpeta, "2\n9 10 0\n2 2 1\n", "2\n3 3 1\n15 3,2\n", "0\n");
    tiro(juego, 0);
    // La pieza de abajo del cañón se golpeó: el nivel se despejó al salir la bola.
    EXPECT_EQ(Niveles::getInstance()->getNivel(), 2);
    EXPECT_EQ(Interfaz::getInstance()->getNivel(), 2);
    const Ayudas::Color fondo = colorDelTablero(juego);
    EXPECT_EQ(fondo.r, 10);
    EXPECT_EQ(fondo.g, 200);
    ASSERT_EQ(juego.getPiezas().size(), 2u);
    EXPECT_EQ(juego.getPiezas()[1]->getX(), 15.0f);
    EXPECT_EQ(juego.getPiezas()[1]->getTipo(), 2u);
    EXPECT_TRUE(juego.getPiezas()[0]->isVisible());
    EXPECT_GE(Interfaz::getInstance()->getPuntos(), 200);
    EXPECT_EQ(juego.getPelotitasRestantes(), 19);
    // Una bola nueva espera en el cañón.
    EXPECT_EQ(juego.getEstado(), Juego::LISTO);
    EXPECT_EQ(bola(juego).getX(), 9.0f);
    EXPECT_EQ(bola(juego).getY(), 15.0f);
    EXPECT_EQ(bola(juego).getVelY(), 0.0f);
}

TEST(Reglas, LosGolpeadosSeOcultanYSinBolasSePierde) {
    Ayudas::Carpeta carpeta(true);
    // Una pieza roja justo debajo del cañón, otra en el camino de un tiro a
    // −45 grados y una gris en el camino del primero.
    Juego& juego = juegoConNiveles(carpeta, "3\n9 10 0\n4 8.6 0\n9 5 1\n", "1\n3 3 1\n", "0\n");
    const std::vector<Pieza*> piezas = juego.getPiezas();
    tiro(juego, 0);
    // Quedan blancos sin golpear: sigue el nivel; los golpeados se ocultan.
    EXPECT_EQ(Niveles::getInstance()->getNivel(), 1);
    EXPECT_FALSE(piezas[0]->isVisible());
    EXPECT_TRUE(piezas[1]->isVisible());
    EXPECT_FALSE(piezas[1]->isGolpeada());
    for (int i = 0; i < 18; i++) tiro(juego, 0);
    EXPECT_EQ(juego.getPelotitasRestantes(), 1);
    EXPECT_EQ(juego.getPiezas().size(), 3u);
    // El tiro que toca el último blanco deja 0 bolas: se pierde.
    tiro(juego, -45);
    EXPECT_TRUE(Interfaz::getInstance()->getImagenPerder().isVisible());
    EXPECT_EQ(juego.getPelotitasRestantes(), 20);
    EXPECT_EQ(Interfaz::getInstance()->getBolas(), 20);
    EXPECT_EQ(Interfaz::getInstance()->getPuntos(), 0);
    EXPECT_TRUE(juego.getPiezas().empty());
    EXPECT_EQ(Niveles::getInstance()->getNivel(), 1);
    // El próximo tiro despeja el tablero vacío y pasa al nivel 2.
    tiro(juego, 0);
    EXPECT_EQ(Niveles::getInstance()->getNivel(), 2);
    EXPECT_EQ(juego.getPiezas().size(), 1u);
    EXPECT_EQ(juego.getPelotitasRestantes(), 19);
}

TEST(Reglas, TerminarElTresEsGanarConFuegos) {
    Ayudas::Carpeta carpeta(true);
    // Ningún blanco: cada tiro despeja su nivel.
    Juego& juego = juegoConNiveles(carpeta, "1\n5 5 1\n", "0\n", "1\n13 5 2\n");
    tiro(juego, 0);
    tiro(juego, 0);
    EXPECT_EQ(Niveles::getInstance()->getNivel(), 3);
    EXPECT_FALSE(juego.isFuegosActivos());
    tiro(juego, 0);
    Interfaz& interfaz = *Interfaz::getInstance();
    EXPECT_TRUE(interfaz.getImagenGanar().isVisible());
    EXPECT_TRUE(juego.isFuegosActivos());
    EXPECT_EQ(juego.getPelotitasRestantes(), 20);
    EXPECT_EQ(interfaz.getBolas(), 20);
    EXPECT_EQ(interfaz.getNivel(), 1);
    EXPECT_EQ(Niveles::getInstance()->getNivel(), 1);
    ASSERT_EQ(juego.getPiezas().size(), 1u);
    EXPECT_EQ(juego.getPiezas()[0]->getX(), 5.0f);
    // Los fuegos siguen en pausa y a 4x con el paso sin escalar; cada paso
    // los lleva además a veinte lugares sacados en el orden z, y, x.
    Ayudas::pulsar(juego, SDLK_p);
    for (int i = 0; i < 4; i++) Ayudas::pulsar(juego, SDLK_KP_PLUS);
    std::srand(777);
    juego.actualizar(PASO);
    EXPECT_EQ(juego.getFuegos().getSistema(0).getReloj(), PASO);
    std::srand(777);
    for (int i = 0; i < 3 * Fuegos::CANTIDAD; i++) std::rand();
    for (int i = 0; i < Fuegos::CANTIDAD; i++) {
        const float z = std::rand() % 5 + 2, y = std::rand() % 15, x = std::rand() % 16 + 2;
        const Vec3& p = juego.getFuegos().getSistema(i).getPosicion();
        EXPECT_TRUE(p.x == x && p.y == y && p.z == z) << i;
    }
    Ayudas::pulsar(juego, SDLK_p);
    // Un clic en el cartel lo quita, apaga los fuegos y no dispara.
    clic(juego, 400, 300);
    EXPECT_FALSE(interfaz.getImagenGanar().isVisible());
    EXPECT_FALSE(juego.isFuegosActivos());
    EXPECT_EQ(juego.getEstado(), Juego::LISTO);
    EXPECT_EQ(juego.getPelotitasRestantes(), 20);
}

TEST(Reglas, ElAroQueRetieneLaBolaDaUnaBolaPorPaso) {
    Ayudas::Carpeta carpeta(true);
    Juego& juego = juegoConNiveles(carpeta, "1\n1 14 0\n", "0\n", "0\n");
    // A 35 grados con el aro cerca de su extremo derecho, la bola cae en su boca.
    const float periodo = static_cast<float>(M_PI / 4);
    while (std::fmod(juego.getPlataforma().getFase(), periodo) < 0.43f) juego.actualizar(PASO);
    apuntar(juego, 35);
    clic(juego);
    int pasos = 0;
    while (juego.getPelotitasRestantes() == 19 && pasos++ < 100) juego.actualizar(PASO);
    ASSERT_EQ(juego.getPelotitasRestantes(), 20);
    const float x = bola(juego).getX(), y = bola(juego).getY();
    testing::internal::CaptureStdout();
    for (int i = 0; i < 4; i++) juego.actualizar(PASO);
    std::string cuatro;
    for (int i = 0; i < 4; i++) cuatro += "\nEntro!\n\n";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), cuatro);
    EXPECT_EQ(juego.getPelotitasRestantes(), 24);
    EXPECT_EQ(Interfaz::getInstance()->getBolas(), 24);
    EXPECT_EQ(bola(juego).getX(), x);
    EXPECT_EQ(bola(juego).getY(), y);
    EXPECT_EQ(juego.getEstado(), Juego::EN_VUELO);
}

TEST(Reglas, PausaEnVueloYVelocidad) {
    Ayudas::Carpeta carpeta(true);
    Juego& juego = juegoConNiveles(carpeta, "1\n1 14 0\n", "0\n", "0\n");
    apuntar(juego, 0);
    clic(juego);
    juego.actualizar(PASO);
    Ayudas::pulsar(juego, SDLK_p);
    Ayudas::pulsar(juego, SDLK_y);
    const float y = bola(juego).getY(), fase = juego.getPlataforma().getFase();
    for (int i = 0; i < 5; i++) juego.actualizar(PASO);
    // En pausa la bola y el aro se quedan; la cámara que sigue a la bola no.
    EXPECT_EQ(bola(juego).getY(), y);
    EXPECT_EQ(juego.getPlataforma().getFase(), fase);
    EXPECT_EQ(juego.getCamara().getCentro().getY(), y);
    EXPECT_EQ(juego.getCamara().getOjo().getY(), y + 5.0f);
    Ayudas::pulsar(juego, SDLK_p);
    EXPECT_EQ(juego.getEstado(), Juego::EN_VUELO);

    // A 4x, un paso mueve la bola y el aro como cuatro.
    for (int i = 0; i < 4; i++) Ayudas::pulsar(juego, SDLK_KP_PLUS);
    ASSERT_EQ(juego.getIndiceVelocidad(), 8);
    const float vy = bola(juego).getVelY(), y0 = bola(juego).getY();
    juego.actualizar(PASO);
    const float dt = 4.0f * PASO;
    EXPECT_EQ(juego.getPlataforma().getFase(), fase + dt);
    EXPECT_FLOAT_EQ(bola(juego).getY(), y0 + vy * dt - 45.0f * dt * dt);
}

namespace {

// FNV-1a de 64 bits sobre los bytes de cada valor.
class Huella {
public:
    template <typename T>
    void agregar(T v) {
        const unsigned char* b = reinterpret_cast<const unsigned char*>(&v);
        for (size_t i = 0; i < sizeof v; i++) valor = (valor ^ b[i]) * 1099511628211ull;
    }
    uint64_t valor = 14695981039346656037ull;
};

}  // namespace

// Una partida entera con los niveles entregados, pasos fijos y la semilla de
// rand fija de la capa del sistema de prueba. Cualquier cambio en la física,
// las reglas o los niveles cambia la huella. Si el cambio es a propósito, se
// corre esta prueba, se mira que el juego siga bien y se copia aquí la huella
// nueva que informa el fallo.
TEST(Reglas, PartidaDeReferencia) {
    Juego& juego = Ayudas::juego();
    CargadorNivel().cargarNivel(juego, "resources/pantalla1.txt");
    const float angulos[] = {-60, -30, 0, 15, 45, 70, -75, 5, -10, 33, -45, 60, 20, -20, 80, -5};
    int pasos = 0;
    for (float a : angulos) pasos += tiro(juego, a);
    Huella h;
    h.agregar(pasos);
    h.agregar(juego.getPelotitasRestantes());
    h.agregar(Interfaz::getInstance()->getPuntos());
    h.agregar(Niveles::getInstance()->getNivel());
    h.agregar(juego.getPlataforma().getFase());
    for (const Pelotita* p : juego.getPelotitas()) {
        h.agregar(p->getX());
        h.agregar(p->getY());
        h.agregar(p->getVelX());
        h.agregar(p->getVelY());
    }
    for (const Pieza* p : juego.getPiezas()) {
        h.agregar(p->getX());
        h.agregar(p->getY());
        h.agregar(p->isVisible());
        h.agregar(p->isGolpeada());
    }
    EXPECT_EQ(h.valor, 0x5d8a4447a7e3750ull) << "huella nueva: 0x" << std::hex << h.valor
                               << "; puntos " << std::dec << Interfaz::getInstance()->getPuntos()
                               << ", bolas " << juego.getPelotitasRestantes() << ", nivel "
                               << Niveles::getInstance()->getNivel();
}
