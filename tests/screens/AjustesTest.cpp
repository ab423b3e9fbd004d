#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>

#include "Ayudas.h"
#include "core/Iluminacion.h"
#include "core/Juego.h"
#include "playfield/ModoRender.h"
#include "screens/Imagen2D.h"
#include "screens/Interfaz.h"

namespace {

// Clic de SDL (origen arriba) en el centro de un tick.
bool clicTick(Interfaz& interfaz, int i) {
    const Imagen2D& t = interfaz.getTick(i);
    return interfaz.click(static_cast<int>(t.getX()) + 6, 600 - static_cast<int>(t.getY()) - 7);
}

void abrir(Interfaz& interfaz) {
    ASSERT_TRUE(interfaz.click(700, 345));
    ASSERT_TRUE(interfaz.getPaginaAjustes().isVisible());
}

std::string visibles(const Interfaz& interfaz, int desde, int cantidad) {
    std::string s;
    for (int i = desde; i < desde + cantidad; i++) s += interfaz.getTick(i).isVisible() ? '1' : '0';
    return s;
}

void colorDifusa(float c[4]) {
    glGetLightfv(GL_LIGHT0, GL_DIFFUSE, c);
}

}  // namespace

TEST(Ajustes, LugaresDeLosTicks) {
    Ayudas::juego();
    const Interfaz& interfaz = *Interfaz::getInstance();
    const float esperados[24][2] = {
        {350.08f, 333.6f}, {617.6f, 333.6f}, {489.6f, 333.6f}, {617.6f, 375.96f},
        {489.6f, 375.96f}, {291.2f, 420}, {350.08f, 378.96f}, {376.32f, 288},
        {518.4f, 288}, {644.48f, 288}, {376.32f, 241.44f}, {518.4f, 241.44f},
        {644.48f, 241.44f}, {376.32f, 192}, {518.4f, 192}, {644.48f, 192},
        {318.08f, 156}, {359.04f, 156}, {318.08f, 117.6f}, {359.04f, 117.6f},
        {419.2f, 88.8f}, {492.8f, 88.8f}, {572.8f, 88.8f}, {656, 88.8f},
    };
    for (int i = 0; i < 24; i++) {
        EXPECT_NEAR(interfaz.getTick(i).getX(), esperados[i][0], 1e-3) << i;
        EXPECT_NEAR(interfaz.getTick(i).getY(), esperados[i][1], 1e-3) << i;
        EXPECT_EQ(interfaz.getTick(i).getAncho(), 13.0f);
        EXPECT_EQ(interfaz.getTick(i).getAlto(), 14.0f);
        EXPECT_EQ(interfaz.getTick(i).getNombreArchivo(), "resources/tick.bmp");
    }
}

TEST(Ajustes, AbrirMuestraElEstadoYCerrarOcultaTodo) {
    Juego& juego = Ayudas::juego();
    Interfaz& interfaz = *Interfaz::getInstance();
    juego.getIluminacion()->alternarLuz(2);
    abrir(interfaz);
    EXPECT_EQ(juego.getEstado(), Juego::PAUSA);
    EXPECT_FALSE(interfaz.getMenu().isVisible());
    EXPECT_TRUE(interfaz.getSalirAjustes().isActiva());
    for (int i = 0; i < 24; i++) EXPECT_TRUE(interfaz.getTick(i).isActiva()) << i;
    // Luces 0, 1 y 2 (la 2 apagada); modos facetado, interpolado, texturado, alambre.
    EXPECT_EQ(visibles(interfaz, Interfaz::TICK_LUZ, 3), "110");
    EXPECT_EQ(visibles(interfaz, Interfaz::TICK_FACETADO, 4), "0010");
    EXPECT_EQ(visibles(interfaz, Interfaz::TICK_COLOR, 17), std::string(17, '0'));

    EXPECT_TRUE(interfaz.click(600, 160));
    EXPECT_EQ(juego.getEstado(), Juego::LISTO);
    EXPECT_TRUE(interfaz.getMenu().isVisible());
    for (int i = 0; i < 24; i++) {
        EXPECT_FALSE(interfaz.getTick(i).isVisible()) << i;
        EXPECT_FALSE(interfaz.getTick(i).isActiva()) << i;
    }
    EXPECT_FALSE(interfaz.getPaginaAjustes().isActiva());
    EXPECT_FALSE(clicTick(interfaz, Interfaz::TICK_WIREFRAME));
}

TEST(Ajustes, ModosYLuces) {
    Juego& juego = Ayudas::juego();
    Interfaz& interfaz = *Interfaz::getInstance();
    ModoRender* modo = ModoRender::getInstance();
    abrir(interfaz);

    EXPECT_TRUE(clicTick(interfaz, Interfaz::TICK_WIREFRAME));
    EXPECT_TRUE(modo->isWireframe());
    EXPECT_FALSE(modo->isTexturado() || modo->isFacetado() || modo->isInterpolado());
    EXPECT_EQ(visibles(interfaz, Interfaz::TICK_FACETADO, 4), "0001");
    clicTick(interfaz, Interfaz::TICK_FACETADO);
    EXPECT_TRUE(modo->isFacetado());
    EXPECT_FALSE(modo->isWireframe());
    EXPECT_EQ(visibles(interfaz, Interfaz::TICK_FACETADO, 4), "1000");
    clicTick(interfaz, Interfaz::TICK_INTERPOLADO);
    EXPECT_EQ(visibles(interfaz, Interfaz::TICK_FACETADO, 4), "0100");
    clicTick(interfaz, Interfaz::TICK_TEXTURADO);
    EXPECT_EQ(visibles(interfaz, Interfaz::TICK_FACETADO, 4), "0010");
    EXPECT_TRUE(modo->isTexturado());

    // Cada tick de luz apaga o enciende la luz de OpenGL que le toca.
    const GLenum luces[3] = {GL_LIGHT1, GL_LIGHT0, GL_LIGHT2};
    for (int l = 0; l < 3; l++) {
        clicTick(interfaz, Interfaz::TICK_LUZ + l);
        EXPECT_FALSE(glIsEnabled(luces[l])) << l;
        EXPECT_FALSE(interfaz.getTick(Interfaz::TICK_LUZ + l).isVisible());
    }
    clicTick(interfaz, Interfaz::TICK_LUZ + 1);
    clicTick(interfaz, Interfaz::TICK_LUZ + 1);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(juego.getIluminacion()->isDifusaEncendida());
    clicTick(interfaz, Interfaz::TICK_LUZ + 1);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_EQ(visibles(interfaz, Interfaz::TICK_LUZ, 3), "010");
}

TEST(Ajustes, ColoresPosicionesYVelocidades) {
    Juego& juego = Ayudas::juego();
    Interfaz& interfaz = *Interfaz::getInstance();
    abrir(interfaz);

    // Fila de la luz difusa (la tercera): rojo, verde, rojo otra vez.
    const int rojoDifusa = Interfaz::TICK_COLOR + 6;
    float c[4];
    clicTick(interfaz, rojoDifusa);
    colorDifusa(c);
    EXPECT_EQ(c[0], 1.0f);
    EXPECT_EQ(c[1], 0.0f);
    EXPECT_EQ(c[2], 0.0f);
    EXPECT_EQ(c[3], 0.0f);
    clicTick(interfaz, rojoDifusa + 1);
    colorDifusa(c);
    EXPECT_EQ(c[0], 1.0f);
    EXPECT_EQ(c[1], 1.0f);
    clicTick(interfaz, rojoDifusa);
    colorDifusa(c);
    EXPECT_EQ(c[0], 0.0f);
    EXPECT_EQ(c[1], 1.0f);
    EXPECT_EQ(c[2], 0.0f);
    // La primera fila es la ambiental; la segunda, la especular.
    clicTick(interfaz, Interfaz::TICK_COLOR + 2);
    glGetLightfv(GL_LIGHT1, GL_AMBIENT, c);
    EXPECT_EQ(c[0], 0.0f);
    EXPECT_EQ(c[2], 1.0f);
    clicTick(interfaz, Interfaz::TICK_COLOR + 3);
    glGetLightfv(GL_LIGHT2, GL_SPECULAR, c);
    EXPECT_EQ(c[0], 1.0f);
    EXPECT_EQ(c[1], 0.0f);

    clicTick(interfaz, Interfaz::TICK_POSICION + 1);
    const float* luz = juego.getPosicionLuz();
    EXPECT_EQ(luz[0], 18.0f);
    EXPECT_EQ(luz[1], 15.0f);
    EXPECT_EQ(luz[2], 7.0f);
    clicTick(interfaz, Interfaz::TICK_POSICION + 2);
    EXPECT_EQ(luz[0], 0.0f);
    EXPECT_EQ(luz[1], 0.0f);
    EXPECT_EQ(visibles(interfaz, Interfaz::TICK_POSICION, 4), "0010");

    testing::internal::CaptureStdout();
    clicTick(interfaz, Interfaz::TICK_VELOCIDAD + 3);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Velocidad actual: 4.000000x\n");
    EXPECT_EQ(juego.getIndiceVelocidad(), 8);
    EXPECT_EQ(visibles(interfaz, Interfaz::TICK_VELOCIDAD, 4), "0001");
    testing::internal::CaptureStdout();
    clicTick(interfaz, Interfaz::TICK_VELOCIDAD);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Velocidad actual: 0.500000x\n");
    EXPECT_EQ(visibles(interfaz, Interfaz::TICK_VELOCIDAD, 4), "1000");

    // Al reabrir, los ticks de color, lugar y velocidad salen ocultos, pero
    // lo elegido sigue en vigor.
    interfaz.click(600, 160);
    abrir(interfaz);
    EXPECT_EQ(visibles(interfaz, Interfaz::TICK_COLOR, 17), std::string(17, '0'));
    EXPECT_EQ(juego.getIndiceVelocidad(), 2);
    EXPECT_EQ(luz[0], 0.0f);
    EXPECT_EQ(luz[2], 7.0f);
    colorDifusa(c);
    EXPECT_EQ(c[1], 1.0f);
    // Y un color se arma con los ticks que se ven ahora: sólo el azul.
    clicTick(interfaz, rojoDifusa + 2);
    colorDifusa(c);
    EXPECT_EQ(c[0], 0.0f);
    EXPECT_EQ(c[1], 0.0f);
    EXPECT_EQ(c[2], 1.0f);
}
