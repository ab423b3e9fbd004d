#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <utility>

#include "Ayudas.h"
#include "core/Canion.h"
#include "core/Juego.h"
#include "particles/Fuegos.h"
#include "playfield/Pelotita.h"
#include "playfield/Pieza.h"
#include "playfield/Plataforma.h"
#include "screens/CargadorNivel.h"
#include "screens/Imagen2D.h"
#include "screens/Interfaz.h"
#include "screens/Niveles.h"

using Ayudas::PASO;

namespace {

const Pelotita& bola(Juego& juego) { return *juego.getPelotitas().front(); }

Interfaz& interfaz() { return *Interfaz::getInstance(); }

std::pair<int, int> bolas(Juego& juego) { return {juego.getPelotitasRestantes(), interfaz().getBolas()}; }

}  // namespace

TEST(Reglas, ClicsQueDisparanPausaYVelocidadDelPaso) {
    Juego& juego = Ayudas::juego();
    Ayudas::clic(juego, 700, 282);  // abre la ayuda y pausa: no dispara
    Ayudas::clic(juego, 600, 160);
    // Apretar sobre un botón y soltar fuera dispara, con el ángulo del cañón.
    juego.getCanion().rotar(30);
    Ayudas::clic(juego, 700, 282, 100, 100);
    EXPECT_EQ(bola(juego).getVelX(), 20.0f);
    EXPECT_FLOAT_EQ(bola(juego).getVelY(), -34.641016f);
    // En vuelo o en pausa un clic sólo llega a la capa 2D: de todos, sólo disparó uno.
    Ayudas::clic(juego);
    Ayudas::pulsar(juego, SDLK_p);
    Ayudas::clic(juego);
    EXPECT_EQ(bolas(juego), std::make_pair(19, 19));
    // En pausa la bola y el aro se quedan; después, a 4x, un paso los mueve como cuatro.
    const float y = bola(juego).getY(), vy = bola(juego).getVelY(), fase = juego.getPlataforma().getFase();
    for (int i = 0; i < 5; i++) juego.actualizar(PASO);
    Ayudas::pulsar(juego, SDLK_p);
    for (int i = 0; i < 4; i++) Ayudas::pulsar(juego, SDLK_KP_PLUS);
    juego.actualizar(PASO);
    const float dt = 4.0f * PASO;
    EXPECT_EQ(juego.getPlataforma().getFase(), fase + dt);
    EXPECT_FLOAT_EQ(bola(juego).getY(), y + vy * dt - 45.0f * dt * dt);
}

TEST(Reglas, BlancosDerrotaYVictoriaConFuegosSinEscalar) {
    Carpeta carpeta(true);
    // Nivel 1: blancos bajo el cañón y en un tiro a −45 grados, una gris debajo; el 2 y el 3 sin blancos.
    Juego& juego = Ayudas::juegoConNiveles(carpeta, "3\n9 10 0\n4 8.6 0\n9 5 1\n", "1\n5 5 1\n", "1\n13 5 2\n");
    const std::vector<Pieza*> piezas = juego.getPiezas();
    // Queda un blanco: sigue el nivel y sólo el golpeado se oculta.
    Ayudas::tiro(juego, 0);
    EXPECT_TRUE(Niveles::getInstance()->getNivel() == 1 && !piezas[0]->isVisible() && piezas[1]->isVisible());
    // El tiro que toca el último blanco deja 0 bolas: se pierde y la cuenta vuelve a empezar.
    for (int i = 0; i < 18; i++) Ayudas::tiro(juego, 0);
    Ayudas::tiro(juego, -45);
    EXPECT_TRUE(interfaz().getImagenPerder().isVisible() && interfaz().getPuntos() == 0);
    EXPECT_EQ(bolas(juego), std::make_pair(20, 20));
    Ayudas::clic(juego, 400, 300);  // quita el cartel
    // Tres tiros despejan el tablero vacío, el nivel 2 y el 3: ganar vuelve al 1.
    for (int i = 0; i < 3; i++) Ayudas::tiro(juego, 0);
    EXPECT_TRUE(interfaz().getImagenGanar().isVisible() && !interfaz().getImagenPerder().isVisible() && juego.getPiezas().size() == 3u);
    EXPECT_EQ(bolas(juego), std::make_pair(20, 20));
    // Los fuegos van con el paso sin escalar, también en pausa; sus lugares, de rand en orden z, y, x.
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
    // Sus colores, de cinco en cinco: rojo, amarillo, verde, azul y cian (cada uno solo, en el centro).
    const bool colores[5][3] = {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 1}, {0, 1, 1}};
    for (int i = 15; i < 20; i++) {
        juego.getFuegos().setPosicion(400, 300, 0, i);
        juego.getFuegos().getSistema(i).actualizar(0.5f);
        Ayudas::proyeccionVentana();
        juego.getFuegos().getSistema(i).render();
        const Ayudas::Color c = Ayudas::pixel(400, 300);
        EXPECT_TRUE((c.r > 100) == colores[i % 5][0] && (c.g > 100) == colores[i % 5][1] && (c.b > 100) == colores[i % 5][2]) << i;
    }
    Ayudas::clic(juego, 400, 300);  // en el cartel: lo quita y apaga los fuegos
    EXPECT_FALSE(juego.isFuegosActivos());
}

TEST(Reglas, ElAroRetieneYDaUnaBolaPorPaso) {
    Juego& juego = Ayudas::juego();
    // A 35 grados con el aro cerca de su extremo derecho, la bola cae en su boca.
    while (std::fmod(juego.getPlataforma().getFase(), float(M_PI / 4)) < 0.43f) juego.actualizar(PASO);
    juego.getCanion().rotar(35);
    Ayudas::clic(juego);
    testing::internal::CaptureStdout();
    for (int i = 0; i < 100 && juego.getPelotitasRestantes() == 19; i++) juego.actualizar(PASO);
    const float x = bola(juego).getX(), y = bola(juego).getY();
    for (int i = 0; i < 4; i++) juego.actualizar(PASO);
    EXPECT_EQ(bolas(juego), std::make_pair(24, 24));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nEntro!\n\n\nEntro!\n\n\nEntro!\n\n\nEntro!\n\n\nEntro!\n\n");
    EXPECT_TRUE(bola(juego).getX() == x && bola(juego).getY() == y);
}

TEST(Reglas, ElAroRebotaAntesQueLasParedes) {
    Carpeta carpeta(true);
    Juego& juego = Ayudas::juegoConNiveles(carpeta, "0\n", "0\n", "0\n");
    while (juego.getPlataforma().getCentro() > 1.51f) juego.actualizar(PASO);  // el aro a la izquierda del todo
    Ayudas::clic(juego);
    // Un paso lleva la bola a rozar la pared y el extremo izquierdo del aro; el siguiente choca con los dos.
    Pelotita& b = *juego.getPelotitas().front();
    const float y = juego.getPlataforma().getIzquierda().getY();
    b.setVelocidad((0.25f - b.getX()) / PASO, (y - b.getY()) / PASO + 45.0f * PASO, 0);
    juego.actualizar(PASO);
    b.setVelocidad(-5, -5, 0);
    juego.actualizar(PASO);
    // El extremo la devuelve hacia la derecha con el 85 % de su rapidez; la pared ya no la toca.
    EXPECT_NEAR(b.getVelX(), 4.25f, 0.05f);
}

// Una partida con los niveles entregados, pasos y semilla fijos: cualquier cambio en la física, las reglas
// o los niveles cambia la huella. Si es a propósito, se revisa el juego y se copia la huella nueva.
TEST(Reglas, PartidaDeReferencia) {
    Juego& juego = Ayudas::juego();
    CargadorNivel().cargarNivel(juego, "resources/pantalla1.txt");
    uint64_t huella = 14695981039346656037ull;
    const auto agregar = [&huella](auto... v) {  // FNV-1a de 64 bits, byte a byte y en orden
        for (auto [b, n] : {std::pair(reinterpret_cast<const unsigned char*>(&v), sizeof v)...})
            for (size_t i = 0; i < n; i++) huella = (huella ^ b[i]) * 1099511628211ull;
    };
    for (float a : {-60, -30, 0, 15, 45, 70, -75, 5, -10, 33, -45, 60, 20, -20, 80, -5})
        agregar(Ayudas::tiro(juego, a));
    agregar(juego.getPelotitasRestantes(), interfaz().getPuntos(), Niveles::getInstance()->getNivel(),
            juego.getPlataforma().getFase());
    for (auto* p : juego.getPelotitas()) agregar(p->getX(), p->getY(), p->getVelX(), p->getVelY());
    for (auto* p : juego.getPiezas()) agregar(p->getX(), p->getY(), p->isVisible(), p->isGolpeada());
    EXPECT_EQ(huella, 0x3b26fbbdcc4478adull) << "huella nueva: 0x" << std::hex << huella;
}
