#include <gtest/gtest.h>

#include <GL/gl.h>

#include <iostream>
#include <sstream>

#include "Ayudas.h"
#include "Comparacion.h"
#include "core/Camara.h"
#include "core/Iluminacion.h"
#include "core/Juego.h"
#include "playfield/Pieza.h"
#include "playfield/Plataforma.h"

// La luz en coordenadas de ojo por la cadena esperada, transformada por GL mismo en una luz libre.
static void esperada(const Juego& juego, const float luz[4], float ojo[4]) {
    glLoadIdentity();
    juego.getCamara().mirar();
    juego.isCamaraFija() ? glScalef(0.8f, 0.8f, 0.8f) : glTranslatef(0.5f, 0, 0);
    glTranslatef(9, 7.5f, 0);
    glRotatef(juego.getRotacionX(), 1, 0, 0);
    glRotatef(juego.getRotacionZ(), 0, 0, 1);
    glTranslatef(-9, -7.5f, 0);
    glLightfv(GL_LIGHT7, GL_POSITION, luz);
    glGetLightfv(GL_LIGHT7, GL_POSITION, ojo);
}

TEST(Dibujo, CamaraEscalaGirosYLuzEnCadaCuadro) {
    Juego& juego = Ayudas::juego();
    float difusa[4], especular[4], brillo;  // al empezar: difusa de 1,5; material de brillo 20 y especular blanco
    glGetLightfv(GL_LIGHT0, GL_DIFFUSE, difusa);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, especular);
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &brillo);
    EXPECT_TRUE(difusa[0] == 1.5f && difusa[2] == 1.5f && especular[0] == 1 && especular[2] == 1 && brillo == 20);
    const float luz[4] = {3, 4, 5, 1}, lejos[4] = {-40, 50, 60, 1};
    std::istringstream entrada("3 4 5\n");  // la posición de la luz difusa, por la consola
    std::streambuf* teclado = std::cin.rdbuf(entrada.rdbuf());
    Ayudas::pulsar(juego, SDLK_7);
    std::cin.rdbuf(teclado);
    SDL_Event derecho = {SDL_MOUSEBUTTONDOWN}, giro = Ayudas::movimiento(60, 40);
    derecho.button.button = SDL_BUTTON_RIGHT;
    for (SDL_Event* e : {&derecho, &giro}) juego.manejarEvento(e);
    for (SDLKey tecla : {SDLK_UNKNOWN, SDLK_v, SDLK_y}) {  // con giros, la cámara siguiente y la de la bola
        Ayudas::pulsar(juego, tecla);
        juego.actualizar(Ayudas::PASO);
        juego.dibujar();
        for (int otra : {0, 2}) juego.getIluminacion()->setPosicionLuz(otra, lejos);  // sólo la difusa tiene lugar
        float real[4], previsto[4];
        glGetLightfv(GL_LIGHT0, GL_POSITION, real);
        esperada(juego, luz, previsto);
        for (int i = 0; i < 3; i++) EXPECT_NEAR(real[i], previsto[i], 1e-4) << tecla << "," << i;
    }
}

TEST(Dibujo, OrdenDeLosObjetosDelCuadro) {
    Juego& juego = Ayudas::juego();
    juego.crearPieza(5, 5, 2);
    const Pieza& extremo = juego.getPlataforma().getIzquierda();
    // Sin luces ni prueba de profundidad cada píxel es del último objeto que pasó por él: se ve el orden.
    juego.agregarPelotita(Ayudas::bola(5.2f, 5, 0, 0, 0.15f));
    juego.agregarPelotita(Ayudas::bola(extremo.getX(), extremo.getY(), 0, 0));
    for (SDLKey t : {SDLK_1, SDLK_2, SDLK_3}) Ayudas::pulsar(juego, t);
    const auto ver = [&](float x, float y, bool profundidad = false) {
        profundidad ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
        juego.dibujar();
        double vx, vy;
        proyectarCamaraInicial(x, y, 0.5, vx, vy);
        return Ayudas::pixel(static_cast<int>(vx), static_cast<int>(vy));
    };
    const auto azul = [](Ayudas::Color c) { return c.b > 20 && c.r == 0 && c.g == 0; };
    EXPECT_LT(ver(9, 13.0f).r, ver(9, 13.0f, true).r / 2);  // la punta del caño, clara, queda bajo el tablero oscuro
    // La pieza tapa el tablero, la bola tapa la pieza y el aro tapa la bola.
    const Ayudas::Color verde = ver(4.8f, 5);
    EXPECT_TRUE(verde.g > 20 && verde.r == 0 && verde.b == 0);
    EXPECT_TRUE(azul(ver(5.2f, 5)));
    EXPECT_FALSE(azul(ver(extremo.getX(), extremo.getY())));
}
