#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>

#include "Ayudas.h"
#include "Comparacion.h"
#include "core/Juego.h"
#include "screens/Imagen2D.h"
#include "screens/Interfaz.h"

TEST(Interfaz, ImagenesPaginasQuePausanContadoresYTicks) {
    Juego& juego = Ayudas::juego();
    Interfaz& interfaz = *Interfaz::getInstance();
    // El botón de ayuda ocupa x 645..785 y 300..335 de la ventana, bordes incluidos.
    const Imagen2D& ayuda = interfaz.getBotonAyuda();
    EXPECT_TRUE(ayuda.contiene(645, 300) && ayuda.contiene(700, 265) && ayuda.contiene(785, 300));
    EXPECT_FALSE(ayuda.contiene(786, 265) || ayuda.contiene(644, 280) || ayuda.contiene(700, 264));
    // Ayuda, ajustes y ayuda en pausa: abrir y cerrar una página cambia la pausa; abierta, tapa el menú.
    for (int boton : {282, 345, 282}) {
        const int antes = juego.getEstado();
        EXPECT_TRUE(interfaz.click(700, boton));
        EXPECT_EQ(juego.getEstado(), antes == Juego::PAUSA ? Juego::LISTO : Juego::PAUSA);
        EXPECT_FALSE(interfaz.getBotonAyuda().isActiva() || interfaz.getBotonAjustes().isActiva());
        EXPECT_TRUE(interfaz.click(600, 160) && juego.getEstado() == antes);
        if (boton == 345) Ayudas::pulsar(juego, SDLK_p);
    }
    // Los cuatro contadores del panel, con todas las cifras y un menos.
    interfaz.setFps(98);
    interfaz.sumarPuntos(124560);
    interfaz.sumarBolas(-27);
    interfaz.setNivel(3);
    const int contadores[4][3] = {{750, 25, 98}, {690, 530, 124560}, {670, 420, -7}, {750, 420, 3}};
    Ayudas::proyeccionVentana(true);
    interfaz.dibujar();
    const EscritorioX::Captura panel = Ayudas::capturar();
    for (const auto& c : contadores) EXPECT_EQ(leerContador(panel, c[0], c[1]), c[2]) << c[2];
    float ancho = 0;
    glGetFloatv(GL_LINE_WIDTH, &ancho);
    EXPECT_EQ(ancho, 2.5f);  // los números dejan puestas sus líneas de 2,5
    // Los 24 ticks en orden (luces, modos, colores por fila, lugares de la luz, velocidades) por su esquina
    // de abajo a la izquierda, truncada; se tocan a un píxel de su borde de abajo.
    const int lugares[24][2] = {{350, 333}, {617, 333}, {489, 333}, {617, 375}, {489, 375}, {291, 420},
                                {350, 378}, {376, 288}, {518, 288}, {644, 288}, {376, 241}, {518, 241},
                                {644, 241}, {376, 192}, {518, 192}, {644, 192}, {318, 156}, {359, 156},
                                {318, 117}, {359, 117}, {419, 88},  {492, 88},  {572, 88},  {656, 88}};
    const auto tocar = [&](int k) { return interfaz.click(lugares[k][0] + 6, 599 - lugares[k][1]); };
    const GLenum filas[3][2] = {{GL_LIGHT1, GL_AMBIENT}, {GL_LIGHT2, GL_SPECULAR}, {GL_LIGHT0, GL_DIFFUSE}};
    const float esquinas[4][3] = {{0, 15, 7}, {18, 15, 7}, {0, 0, 7}, {18, 0, 7}}, veces[4] = {0.5f, 1, 2, 4};
    // Al abrir, los ticks de luces y de modos muestran el estado: luces encendidas y texturado.
    ASSERT_TRUE(interfaz.click(700, 345));
    Ayudas::proyeccionVentana(true);
    interfaz.dibujar();
    EXPECT_EQ(leerContador(Ayudas::capturar(), 750, 25), SIN_NUMERO);  // con la página abierta no hay números
    for (int k = 0; k < 7; k++) EXPECT_EQ(interfaz.getTick(k).isVisible(), k < 3 || k == 5) << k;
    for (int i = 0; i < 24; i++) {
        ASSERT_TRUE(tocar(i)) << i;
        if (i < 7) {  // cada luz se apaga sola y cada modo apaga los demás
            for (int k = 0; k < 7; k++)
                EXPECT_EQ(interfaz.getTick(k).isVisible(), k < 3 ? k > i : k == (i < 3 ? 5 : i)) << i << k;
        } else if (i < 16) {  // en la fila quedan prendidos los colores tocados, sin alfa
            float color[4];
            glGetLightfv(filas[(i - 7) / 3][0], filas[(i - 7) / 3][1], color);
            for (int c = 0; c < 4; c++) EXPECT_EQ(color[c], c <= (i - 7) % 3 ? 1 : 0) << i << "," << c;
        } else {  // los lugares de la luz y las velocidades, uno por fila
            for (int k = i < 20 ? 16 : 20; k < (i < 20 ? 20 : 24); k++) EXPECT_EQ(interfaz.getTick(k).isVisible(), k == i) << i;
            EXPECT_TRUE(i < 20 ? std::equal(esquinas[i - 16], esquinas[i - 16] + 3, juego.getPosicionLuz())
                               : juego.getVelocidad() == veces[i - 20]) << i;
        }
    }
    EXPECT_TRUE(tocar(7) && !interfaz.getTick(7).isVisible());  // un color se quita tocándolo otra vez
    // Al cerrar, ningún tick se ve ni atiende.
    EXPECT_TRUE(interfaz.click(600, 160));
    for (int k = 0; k < 24; k++)
        EXPECT_FALSE(interfaz.getTick(k).isVisible() || interfaz.getTick(k).isActiva()) << k;
}
