#include <gtest/gtest.h>

#include <GL/gl.h>

#include "Ayudas.h"
#include "core/Juego.h"
#include "screens/Imagen2D.h"
#include "screens/Interfaz.h"

namespace {

bool soloMenu(const Interfaz& i) {
    return i.getMenu().isVisible() && !i.getMenu().isActiva() && i.getBotonAyuda().isVisible() &&
           i.getBotonAyuda().isActiva() && i.getBotonAjustes().isVisible() &&
           i.getBotonAjustes().isActiva() && !i.getPaginaAyuda().isVisible() &&
           !i.getPaginaAjustes().isVisible() && !i.getSalirAyuda().isVisible() &&
           !i.getSalirAjustes().isVisible() && !i.getSalirAyuda().isActiva() &&
           !i.getSalirAjustes().isActiva();
}

// La capa se apila por profundidad, como en el juego.
void dibujarCapa(Interfaz& interfaz) {
    Ayudas::proyeccionVentana(true);
    interfaz.dibujar();
}

}  // namespace

TEST(Interfaz, ArrancaEnElMenuConLosContadores) {
    Ayudas::juego();
    Interfaz& interfaz = *Interfaz::getInstance();
    EXPECT_EQ(interfaz.getPuntos(), 0);
    EXPECT_EQ(interfaz.getNivel(), 1);
    EXPECT_EQ(interfaz.getBolas(), 20);
    EXPECT_TRUE(soloMenu(interfaz));
    EXPECT_FALSE(interfaz.getImagenGanar().isVisible());
    EXPECT_FALSE(interfaz.getImagenPerder().isActiva());
    for (int i = 0; i < Interfaz::CANTIDAD_TICKS; i++) {
        EXPECT_FALSE(interfaz.getTick(i).isVisible());
        EXPECT_FALSE(interfaz.getTick(i).isActiva());
    }
    EXPECT_EQ(interfaz.getPaginaAyuda().getX(), 80.0f);
    EXPECT_EQ(interfaz.getPaginaAyuda().getY(), 60.0f);
    EXPECT_EQ(interfaz.getPaginaAyuda().getAncho(), 640.0f);
    EXPECT_EQ(interfaz.getPaginaAyuda().getAlto(), 480.0f);
    EXPECT_EQ(interfaz.getBotonAjustes().getNombreArchivo(), "resources/Ajustes.bmp");

    interfaz.sumarBolas(-1);
    EXPECT_EQ(interfaz.getBolas(), 19);
    interfaz.sumarPuntos(250);
    interfaz.setNivel(3);
    interfaz.reiniciar(20);
    EXPECT_EQ(interfaz.getPuntos(), 0);
    EXPECT_EQ(interfaz.getNivel(), 1);
    EXPECT_EQ(interfaz.getBolas(), 20);

    // Un clic en la escena no lo toma ninguna imagen.
    EXPECT_FALSE(interfaz.click(300, 300));
}

TEST(Interfaz, LaAyudaPausaYAlCerrarseVuelveElEstado) {
    Juego& juego = Ayudas::juego();
    Interfaz& interfaz = *Interfaz::getInstance();
    EXPECT_TRUE(interfaz.click(700, 282));
    EXPECT_EQ(juego.getEstado(), Juego::PAUSA);
    EXPECT_TRUE(interfaz.getPaginaAyuda().isVisible());
    EXPECT_TRUE(interfaz.getPaginaAyuda().isActiva());
    EXPECT_TRUE(interfaz.getSalirAyuda().isVisible());
    EXPECT_FALSE(interfaz.getMenu().isVisible());
    EXPECT_FALSE(interfaz.getBotonAyuda().isActiva());
    EXPECT_FALSE(interfaz.getBotonAjustes().isVisible());
    // Con la ayuda abierta, el botón de ajustes no está y un clic en la
    // página no lo toma nadie.
    EXPECT_FALSE(interfaz.click(700, 345));
    EXPECT_FALSE(interfaz.click(300, 300));
    EXPECT_FALSE(interfaz.getPaginaAjustes().isVisible());

    EXPECT_TRUE(interfaz.click(600, 160));
    EXPECT_EQ(juego.getEstado(), Juego::LISTO);
    EXPECT_TRUE(soloMenu(interfaz));
    EXPECT_FALSE(interfaz.getPaginaAyuda().isActiva());

    // Pausado con "p" antes de abrirla: al abrirla el juego vuelve a andar,
    // y al cerrarla queda otra vez en pausa.
    juego.alternarPausa();
    interfaz.click(700, 282);
    EXPECT_EQ(juego.getEstado(), Juego::LISTO);
    interfaz.click(600, 160);
    EXPECT_EQ(juego.getEstado(), Juego::PAUSA);
}

TEST(Interfaz, CartelesDeGanarYPerder) {
    Juego& juego = Ayudas::juego();
    Interfaz& interfaz = *Interfaz::getInstance();
    interfaz.mostrarGanar();
    EXPECT_TRUE(interfaz.getImagenGanar().isVisible());
    EXPECT_EQ(juego.getEstado(), Juego::LISTO);
    // Los botones del menú se prueban antes: la ayuda abre con el cartel a la vista.
    EXPECT_TRUE(interfaz.click(700, 282));
    EXPECT_TRUE(interfaz.getPaginaAyuda().isVisible());
    EXPECT_TRUE(interfaz.getImagenGanar().isVisible());
    EXPECT_TRUE(interfaz.click(600, 160));

    EXPECT_TRUE(interfaz.click(400, 300));
    EXPECT_FALSE(interfaz.getImagenGanar().isVisible());
    EXPECT_FALSE(interfaz.getImagenGanar().isActiva());
    EXPECT_FALSE(juego.isFuegosActivos());
    EXPECT_FALSE(interfaz.click(400, 300));

    interfaz.mostrarPerder();
    EXPECT_TRUE(interfaz.getImagenPerder().isActiva());
    EXPECT_TRUE(interfaz.click(150, 600 - 220));   // esquina de abajo a la izquierda
    EXPECT_FALSE(interfaz.getImagenPerder().isVisible());
    EXPECT_TRUE(soloMenu(interfaz));
}

TEST(Interfaz, LosContadoresSoloSeDibujanEnElMenu) {
    Ayudas::juego();
    Interfaz& interfaz = *Interfaz::getInstance();
    interfaz.setFps(8);
    dibujarCapa(interfaz);
    // El 8 de los cuadros por segundo en (750, 25): su segmento del medio.
    Ayudas::Color medio = Ayudas::pixel(753, 32);
    EXPECT_NEAR(medio.r, 77, 3);
    EXPECT_NEAR(medio.b, 118, 3);
    // El 20 de las bolas en (670, 420).
    EXPECT_NEAR(Ayudas::pixel(670, 423).b, 118, 3);

    interfaz.click(700, 282);
    dibujarCapa(interfaz);
    Ayudas::Color sinMenu = Ayudas::pixel(753, 32);
    EXPECT_FALSE(std::abs(sinMenu.r - 77) < 3 && std::abs(sinMenu.b - 118) < 3);
}

TEST(InterfazMuerte, UnBitmapQueFaltaTerminaNombrandolo) {
    Ayudas::Carpeta carpeta(true);
    for (const char* r : {"pantalla1.bmp", "ganar.bmp", "perder.bmp", "ayuda_button.bmp",
                          "configuracion.bmp", "ayuda.bmp", "salir_button.bmp", "menu.bmp",
                          "tick.bmp", "hyperb.3ds", "hyperb.bmp", "particle.bmp"}) {
        carpeta.enlazarRecurso(r);
    }
    EXPECT_EXIT(Ayudas::juego(), testing::ExitedWithCode(0),
                "^No se puede cargar el bitmap: resources/Ajustes\\.bmp\n$");
}
