#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <iostream>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

#include "Ayudas.h"
#include "SistemaPrueba.h"
#include "core/Camara.h"
#include "core/Canion.h"
#include "core/Escala.h"
#include "core/Juego.h"
#include "playfield/Gvector.h"
#include "playfield/Pelotita.h"
#include "playfield/ModoRender.h"

using Ayudas::pulsar;
using Ayudas::tecla;

TEST(Entrada, TeclasDeUnaVezLucesConsolaVelocidadesYCamaras) {
    Juego& juego = Ayudas::juego();
    // Cada modo dice su nombre y enciende sólo su interruptor.
    const ModoRender& modo = *ModoRender::getInstance();
    const std::pair<SDLKey, std::string> modos[4] = {
        {SDLK_h, "Wireframe"}, {SDLK_j, "Facetado"}, {SDLK_k, "Interpolado"}, {SDLK_l, "Texturado"}};
    for (int m = 0; m < 4; m++) {
        EXPECT_EQ(pulsar(juego, modos[m].first), modos[m].second + "\n");
        const bool p[4] = {modo.isWireframe(), modo.isFacetado(), modo.isInterpolado(), modo.isTexturado()};
        EXPECT_TRUE(p[m] && p[0] + p[1] + p[2] + p[3] == 1) << modos[m].second;
        modo.aplicarSinTextura();  // facetado es plano; los demás, suaves
        GLint sombra = 0;
        glGetIntegerv(GL_SHADE_MODEL, &sombra);
        EXPECT_EQ(sombra, m == 1 ? GL_FLAT : GL_SMOOTH) << modos[m].second;
    }
    // 1, 2 y 3 apagan su luz; 4, 5 y 6 piden su color: lo no numérico es 0 y la línea mala se descarta.
    std::istringstream entrada("0.5 0.25\n1 0\n0.7 verde 3 4\n0.1 0.2 0.3 0.4\n");
    std::streambuf* teclado = std::cin.rdbuf(entrada.rdbuf());
    const std::tuple<SDLKey, SDLKey, std::string, GLenum, GLenum, std::array<float, 4>> luces[] = {
        {SDLK_1, SDLK_4, "ambiental", GL_LIGHT1, GL_AMBIENT, {0.5f, 0.25f, 1, 0}},
        {SDLK_2, SDLK_5, "difusa", GL_LIGHT0, GL_DIFFUSE, {0.7f, 0, 0, 0}},
        {SDLK_3, SDLK_6, "especular", GL_LIGHT2, GL_SPECULAR, {0.1f, 0.2f, 0.3f, 0.4f}}};
    for (const auto& [apagar, preguntar, luz, numero, parametro, esperado] : luces) {
        pulsar(juego, apagar);
        EXPECT_FALSE(glIsEnabled(numero)) << luz;
        EXPECT_EQ(pulsar(juego, preguntar), "Ingrese los valores RGBA de la nueva luz " + luz + ": ");
        std::array<float, 4> color;
        glGetLightfv(numero, parametro, color.data());
        EXPECT_EQ(color, esperado) << luz;
    }
    std::cin.rdbuf(teclado);
    // Una pulsación actúa una vez aunque se repita; la libera soltar cualquier tecla, no otra sin acción.
    SDL_Event p = tecla(SDLK_p), h = tecla(SDLK_h), x = tecla(SDLK_x), suelta = tecla(SDLK_x, false);
    for (SDL_Event* e : {&p, &p, &h}) juego.manejarEvento(e);
    EXPECT_TRUE(juego.getEstado() == Juego::PAUSA && modo.isTexturado());
    for (SDL_Event* e : {&suelta, &x, &p, &suelta}) juego.manejarEvento(e);
    EXPECT_EQ(juego.getEstado(), Juego::LISTO);
    // Desde la velocidad 4: sube dando la vuelta y baja dando la vuelta.
    const float valores[] = {0.1f, 0.25f, 0.5f, 0.75f, 1, 1.25f, 1.5f, 2, 4};
    const auto dice = [&](int k) { return "Velocidad actual: " + std::to_string(valores[k % 9]) + "x\n"; };
    for (int i = 1; i <= 9; i++) EXPECT_EQ(pulsar(juego, SDLK_KP_PLUS), dice(4 + i));
    for (int i = 1; i <= 9; i++) EXPECT_EQ(pulsar(juego, SDLK_KP_MINUS), dice(13 - i));
    // Arrastrar con el botón derecho gira la escena; "v" pasa a la cámara siguiente y la endereza.
    SDL_Event derecho = {SDL_MOUSEBUTTONDOWN}, arrastre = Ayudas::movimiento(-7, 5);
    SDL_Event v = tecla(SDLK_v), y = tecla(SDLK_y);
    derecho.button.button = SDL_BUTTON_RIGHT;
    juego.manejarEvento(&derecho);
    // Caben diez cámaras: a las nueve de salida se suma una y la que sigue sólo se avisa.
    testing::internal::CaptureStdout();
    for (int i = 0; i < 2; i++) juego.agregarCamara(9, 15, 19, 9, 7.5f, 0, 0, 1, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "No queda lugar para ingresar mas cámaras.");
    using Vista = std::array<std::array<float, 3>, 3>;  // ojo, centro y arriba
    const auto en = [](const Gvector& g) { return std::array<float, 3>{g.getX(), g.getY(), g.getZ()}; };
    const auto vista = [&](const Camara& c) { return Vista{en(c.getOjo()), en(c.getCentro()), en(c.getArriba())}; };
    EXPECT_EQ(vista(Camara()), (Vista{{{0, 0, 0}, {0, 1, 0}, {0, 0, 1}}}));  // una cámara nueva
    const float xs[3] = {9, 18, 0}, ys[4] = {5, 7.5f, 15, 15};
    for (int i = 1; i <= 10; i++) {
        juego.manejarEvento(&arrastre);
        EXPECT_TRUE(juego.getRotacionZ() == -3.0f && juego.getRotacionX() == 2.0f) << i;
        pulsar(juego, SDLK_v);
        const int k = i % 10;
        EXPECT_EQ(vista(juego.getCamara()), (Vista{{{xs[k % 3], ys[k / 3], 19}, {9, k < 3 ? 7 : 7.5f, 0}, {0, 1, 0}}})) << k;
    }
    derecho.type = SDL_MOUSEBUTTONUP;
    juego.manejarEvento(&derecho);
    // Con la cámara que sigue a la bola, "v" no hace nada ni retiene y el botón derecho no arrastra.
    for (SDLKey t : {SDLK_v, SDLK_y}) pulsar(juego, t);
    derecho.type = SDL_MOUSEBUTTONDOWN;
    for (SDL_Event* e : {&v, &derecho, &arrastre}) juego.manejarEvento(e);
    EXPECT_TRUE(juego.getRotacionZ() == 0.0f && juego.getCamaraActual() == 1);
    // También en pausa mira a la bola desde medio a la derecha, 5 más arriba y a altura 3, con z arriba.
    pulsar(juego, SDLK_p);
    juego.actualizar(Ayudas::PASO);
    const Pelotita& b = *juego.getPelotitas().front();
    EXPECT_EQ(vista(juego.getCamara()), (Vista{{{b.getX() + 0.5f, b.getY() + 5, 3}, {b.getX(), b.getY(), b.getZ()}, {0, 0, 1}}}));
    juego.manejarEvento(&y);  // "y" vuelve a la cámara 0 y a su vista
    EXPECT_TRUE(juego.isCamaraFija() && juego.getCamaraActual() == 0 && vista(juego.getCamara())[0][2] == 19);
}

// A escala 2 el ratón llega dividido por 2: 2x y 2x ± 1 píxeles giran el cañón y la vista como x a escala 1.
TEST(Entrada, AEscala2ElDobleDePixelesGiraLoMismo) {
    SistemaPrueba::setRespuesta(Sistema::Respuesta::Fallo);  // si la pregunta falla, pantalla completa
    Juego& juego = *Juego::getInstance();
    EXPECT_TRUE(SDL_GetVideoSurface()->flags & SDL_FULLSCREEN);
    SDL_Event derecho = {SDL_MOUSEBUTTONDOWN}, suelta = {SDL_MOUSEBUTTONUP};
    derecho.button.button = suelta.button.button = SDL_BUTTON_RIGHT;
    const auto girar = [&](int escala, int pixeles) {
        Escala::getInstance()->elegir(escala);
        juego.getCanion().rotar(-juego.getCanion().getAngulo());
        SDL_Event m = Ayudas::movimiento(pixeles, -pixeles);
        const float z = juego.getRotacionZ(), x = juego.getRotacionX();
        for (SDL_Event* e : {&m, &derecho, &m, &suelta}) juego.manejarEvento(e);
        return std::array<float, 3>{juego.getCanion().getAngulo(), juego.getRotacionZ() - z, juego.getRotacionX() - x};
    };
    for (int x : {-11, -7, -4, -3, -2, 2, 3, 4, 5, 7, 11}) {
        const std::array<float, 3> uno = girar(1, x);
        EXPECT_TRUE(uno[0] == x / 3 && girar(2, 2 * x) == uno && girar(2, 2 * x + (x > 0 ? 1 : -1)) == uno) << x;
    }
    Escala::getInstance()->elegir(1);
}
