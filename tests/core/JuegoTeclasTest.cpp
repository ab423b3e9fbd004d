#include <gtest/gtest.h>

#include <GL/gl.h>

#include <sstream>
#include <string>

#include "Ayudas.h"
#include "SistemaPrueba.h"
#include "core/Camara.h"
#include "core/Iluminacion.h"
#include "core/Juego.h"
#include "playfield/Gvector.h"
#include "playfield/ModoRender.h"
#include "playfield/Pelotita.h"
#include "playfield/Rectangulo.h"

namespace {

using Ayudas::pulsar;

// Contesta las preguntas de la consola con el texto dado.
class EntradaFalsa {
public:
    explicit EntradaFalsa(const std::string& texto) : flujo(texto), anterior(std::cin.rdbuf()) {
        std::cin.rdbuf(flujo.rdbuf());
    }
    ~EntradaFalsa() {
        std::cin.rdbuf(anterior);
        std::cin.clear();
    }

private:
    std::istringstream flujo;
    std::streambuf* anterior;
};

}  // namespace

TEST(JuegoTeclas, ElArranqueDejaLoEsperado) {
    Juego& juego = Ayudas::juego();
    EXPECT_EQ(&juego, Juego::getInstance());
    EXPECT_TRUE(juego.isCorriendo());
    EXPECT_EQ(juego.getEstado(), Juego::LISTO);
    EXPECT_EQ(juego.getIndiceVelocidad(), 4);
    EXPECT_EQ(juego.getVelocidad(), 1.0f);
    EXPECT_EQ(juego.getPelotitasRestantes(), 20);
    ASSERT_EQ(juego.getPelotitas().size(), 1u);
    const Pelotita& bola = *juego.getPelotitas().front();
    EXPECT_EQ(bola.getX(), 9.0f);
    EXPECT_EQ(bola.getY(), 15.0f);
    EXPECT_EQ(bola.getZ(), 0.5f);
    EXPECT_EQ(bola.getRadio(), 0.3f);
    EXPECT_TRUE(juego.getPiezas().empty());
    const ModoRender* modo = ModoRender::getInstance();
    EXPECT_TRUE(modo->isTexturado());
    EXPECT_FALSE(modo->isFacetado() || modo->isInterpolado() || modo->isWireframe());
    const float* luz = juego.getPosicionLuz();
    EXPECT_EQ(luz[0] + luz[1] + luz[2], 0.0f);
    const SDL_Surface* ventana = SDL_GetVideoSurface();
    EXPECT_EQ(ventana->w, 800);
    EXPECT_EQ(ventana->h, 600);
    EXPECT_FALSE(ventana->flags & SDL_FULLSCREEN);
    char* titulo = nullptr;
    SDL_WM_GetCaption(&titulo, nullptr);
    EXPECT_STREQ(titulo, "Vorlix Quintar");
}

TEST(JuegoTeclas, ModosDeDibujoUnoSoloEncendido) {
    Juego& juego = Ayudas::juego();
    ModoRender* modo = ModoRender::getInstance();
    EXPECT_EQ(pulsar(juego, SDLK_h), "Wireframe\n");
    EXPECT_TRUE(modo->isWireframe());
    EXPECT_FALSE(modo->isTexturado() || modo->isFacetado() || modo->isInterpolado());
    juego.getTablero().render();
    GLint poligono[2];
    glGetIntegerv(GL_POLYGON_MODE, poligono);
    EXPECT_EQ(poligono[0], GL_LINE);

    EXPECT_EQ(pulsar(juego, SDLK_j), "Facetado\n");
    EXPECT_TRUE(modo->isFacetado());
    EXPECT_FALSE(modo->isTexturado() || modo->isWireframe() || modo->isInterpolado());
    juego.getTablero().render();
    GLint sombreado;
    glGetIntegerv(GL_SHADE_MODEL, &sombreado);
    EXPECT_EQ(sombreado, GL_FLAT);

    EXPECT_EQ(pulsar(juego, SDLK_k), "Interpolado\n");
    EXPECT_TRUE(modo->isInterpolado());
    EXPECT_FALSE(modo->isTexturado() || modo->isWireframe() || modo->isFacetado());
    juego.getTablero().render();
    glGetIntegerv(GL_SHADE_MODEL, &sombreado);
    EXPECT_EQ(sombreado, GL_SMOOTH);

    EXPECT_EQ(pulsar(juego, SDLK_l), "Texturado\n");
    EXPECT_TRUE(modo->isTexturado());
    EXPECT_FALSE(modo->isInterpolado() || modo->isWireframe() || modo->isFacetado());
}

TEST(JuegoTeclas, LaRetencionHaceQueCadaPulsacionActueUnaVez) {
    Juego& juego = Ayudas::juego();
    SDL_Event p = Ayudas::tecla(SDLK_p), suelta = Ayudas::tecla(SDLK_p, false);
    juego.manejarEvento(&p);
    EXPECT_EQ(juego.getEstado(), Juego::PAUSA);
    EXPECT_TRUE(juego.isTeclaRetenida());
    // El mismo evento otra vez (la tecla sigue abajo): nada.
    juego.manejarEvento(&p);
    juego.manejarEvento(&p);
    EXPECT_EQ(juego.getEstado(), Juego::PAUSA);
    juego.manejarEvento(&suelta);
    EXPECT_FALSE(juego.isTeclaRetenida());
    juego.manejarEvento(&p);
    EXPECT_EQ(juego.getEstado(), Juego::LISTO);

    // Otra tecla mientras "p" sigue retenida tampoco actúa.
    SDL_Event h = Ayudas::tecla(SDLK_h);
    juego.manejarEvento(&h);
    EXPECT_TRUE(ModoRender::getInstance()->isTexturado());

    // Una tecla sin acción no retiene; Escape no mira ni toca la retención.
    juego.manejarEvento(&suelta);
    SDL_Event x = Ayudas::tecla(SDLK_x);
    juego.manejarEvento(&x);
    EXPECT_FALSE(juego.isTeclaRetenida());
    juego.manejarEvento(&p);
    SDL_Event esc = Ayudas::tecla(SDLK_ESCAPE);
    juego.manejarEvento(&esc);
    EXPECT_FALSE(juego.isCorriendo());
    EXPECT_TRUE(juego.isTeclaRetenida());
    SDL_Event salir = {};
    salir.type = SDL_QUIT;
    juego.manejarEvento(&salir);
    EXPECT_FALSE(juego.isCorriendo());
}

TEST(JuegoTeclas, VelocidadesDanLaVueltaEnAmbosSentidos) {
    Juego& juego = Ayudas::juego();
    EXPECT_EQ(pulsar(juego, SDLK_KP_PLUS), "Velocidad actual: 1.250000x\n");
    EXPECT_EQ(juego.getIndiceVelocidad(), 5);
    for (int i = 0; i < 3; i++) pulsar(juego, SDLK_KP_PLUS);
    EXPECT_EQ(juego.getIndiceVelocidad(), 8);
    EXPECT_EQ(pulsar(juego, SDLK_KP_PLUS), "Velocidad actual: 0.100000x\n");
    EXPECT_EQ(juego.getIndiceVelocidad(), 0);
    EXPECT_EQ(pulsar(juego, SDLK_KP_MINUS), "Velocidad actual: 4.000000x\n");
    EXPECT_EQ(juego.getIndiceVelocidad(), 8);
    EXPECT_EQ(pulsar(juego, SDLK_KP_MINUS), "Velocidad actual: 2.000000x\n");
    const char* esperados[] = {"1.500000", "1.250000", "1.000000", "0.750000",
                               "0.500000", "0.250000", "0.100000"};
    for (const char* e : esperados) {
        EXPECT_EQ(pulsar(juego, SDLK_KP_MINUS), std::string("Velocidad actual: ") + e + "x\n");
    }
}

TEST(JuegoTeclas, CamarasConVYConY) {
    Juego& juego = Ayudas::juego();
    for (int i = 1; i < 9; i++) {
        pulsar(juego, SDLK_v);
        EXPECT_EQ(juego.getCamaraActual(), i);
    }
    pulsar(juego, SDLK_v);
    EXPECT_EQ(juego.getCamaraActual(), 0);
    pulsar(juego, SDLK_v);
    pulsar(juego, SDLK_v);
    EXPECT_EQ(juego.getCamara().getOjo().getX(), 0.0f);

    // Con la cámara que sigue a la bola, "v" no hace nada ni retiene la tecla.
    pulsar(juego, SDLK_y);
    EXPECT_FALSE(juego.isCamaraFija());
    SDL_Event v = Ayudas::tecla(SDLK_v);
    juego.manejarEvento(&v);
    EXPECT_FALSE(juego.isTeclaRetenida());
    EXPECT_EQ(juego.getCamaraActual(), 2);
    SDL_Event suelta = Ayudas::tecla(SDLK_v, false);
    juego.manejarEvento(&suelta);

    // Volver a las fijas elige la 0; "v" anda enseguida.
    pulsar(juego, SDLK_y);
    EXPECT_TRUE(juego.isCamaraFija());
    EXPECT_EQ(juego.getCamaraActual(), 0);
    EXPECT_EQ(juego.getCamara().getOjo().getX(), 9.0f);
    pulsar(juego, SDLK_v);
    EXPECT_EQ(juego.getCamaraActual(), 1);
}

TEST(JuegoTeclas, ArrastreConElBotonDerecho) {
    Juego& juego = Ayudas::juego();
    SDL_Event derecho = {};
    derecho.type = SDL_MOUSEBUTTONDOWN;
    derecho.button.button = SDL_BUTTON_RIGHT;
    juego.manejarEvento(&derecho);
    EXPECT_TRUE(juego.isBotonDerecho());
    SDL_Event mov = {};
    mov.type = SDL_MOUSEMOTION;
    mov.motion.xrel = -7;
    mov.motion.yrel = 5;
    juego.manejarEvento(&mov);
    juego.manejarEvento(&mov);
    EXPECT_EQ(juego.getRotacionZ(), -6.0f);
    EXPECT_EQ(juego.getRotacionX(), 4.0f);
    mov.motion.xrel = 1;
    juego.manejarEvento(&mov);
    EXPECT_EQ(juego.getRotacionZ(), -6.0f);

    // "v" endereza la escena.
    pulsar(juego, SDLK_v);
    EXPECT_EQ(juego.getRotacionZ(), 0.0f);
    EXPECT_EQ(juego.getRotacionX(), 0.0f);

    derecho.type = SDL_MOUSEBUTTONUP;
    juego.manejarEvento(&derecho);
    EXPECT_FALSE(juego.isBotonDerecho());
    juego.manejarEvento(&mov);
    EXPECT_EQ(juego.getRotacionX(), 0.0f);

    // Con la cámara que sigue a la bola no empieza ningún arrastre.
    pulsar(juego, SDLK_y);
    derecho.type = SDL_MOUSEBUTTONDOWN;
    juego.manejarEvento(&derecho);
    EXPECT_FALSE(juego.isBotonDerecho());
}

TEST(JuegoTeclas, LucesYPreguntasDeLaConsola) {
    Juego& juego = Ayudas::juego();
    pulsar(juego, SDLK_1);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
    pulsar(juego, SDLK_2);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    pulsar(juego, SDLK_3);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT2));
    pulsar(juego, SDLK_3);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT2));
    EXPECT_FALSE(juego.getIluminacion()->isAmbientalEncendida());

    float v[4];
    {
        EntradaFalsa entrada("0.5 0.25\n1 0\n");
        EXPECT_EQ(pulsar(juego, SDLK_4), "Ingrese los valores RGBA de la nueva luz ambiental: ");
        glGetLightfv(GL_LIGHT1, GL_AMBIENT, v);
        EXPECT_EQ(v[0], 0.5f);
        EXPECT_EQ(v[1], 0.25f);
        EXPECT_EQ(v[2], 1.0f);
        EXPECT_EQ(v[3], 0.0f);
    }
    {
        // Lo que no es número queda en 0 y se aplica igual; la línea mala se
        // descarta y la pregunta siguiente lee la línea de después.
        EntradaFalsa entrada("0.7 verde 3 4\n0.1 0.2 0.3 0.4\n");
        EXPECT_EQ(pulsar(juego, SDLK_5), "Ingrese los valores RGBA de la nueva luz difusa: ");
        glGetLightfv(GL_LIGHT0, GL_DIFFUSE, v);
        EXPECT_EQ(v[0], 0.7f);
        EXPECT_EQ(v[1], 0.0f);
        EXPECT_EQ(v[2], 0.0f);
        EXPECT_EQ(pulsar(juego, SDLK_6), "Ingrese los valores RGBA de la nueva luz especular: ");
        glGetLightfv(GL_LIGHT2, GL_SPECULAR, v);
        EXPECT_EQ(v[0], 0.1f);
        EXPECT_EQ(v[3], 0.4f);
    }
    {
        EntradaFalsa entrada("18 15 7\n");
        EXPECT_EQ(pulsar(juego, SDLK_7),
                  "Ingrese los valores x y z de la nueva posicion de luz difusa: ");
        const float* luz = juego.getPosicionLuz();
        EXPECT_EQ(luz[0], 18.0f);
        EXPECT_EQ(luz[1], 15.0f);
        EXPECT_EQ(luz[2], 7.0f);
    }
    {
        // Sin entrada (fin de archivo) no se queda esperando: pone ceros.
        EntradaFalsa entrada("");
        pulsar(juego, SDLK_7);
        EXPECT_EQ(juego.getPosicionLuz()[0], 0.0f);
    }
}

TEST(JuegoTeclas, SinUnNoExplicitoArrancaEnPantallaCompleta) {
    // Una pregunta que falla cuenta como "Sí".
    SistemaPrueba::setRespuesta(Sistema::Respuesta::Fallo);
    Juego::getInstance();
    EXPECT_EQ(SistemaPrueba::preguntasHechas(), 1);
    EXPECT_TRUE(SDL_GetVideoSurface()->flags & SDL_FULLSCREEN);
    EXPECT_TRUE(SDL_GetVideoSurface()->flags & SDL_OPENGL);
    Juego::getInstance();
    EXPECT_EQ(SistemaPrueba::preguntasHechas(), 1);
}
