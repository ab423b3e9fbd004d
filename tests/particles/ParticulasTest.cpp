#include <gtest/gtest.h>

#include <GL/gl.h>

#include <vector>

#include "Ayudas.h"
#include "SistemaPrueba.h"
#include "particles/Fuegos.h"
#include "particles/SistemaParticulas.h"

TEST(Particulas, TandasVidasRepuestosYMovimiento) {
    SistemaParticulas s;
    s.setMaxParticulas(3);
    s.setCantidadPorTanda(2);
    s.setIntervalo(0.5f);
    // Paso, activas y de repuesto: el intervalo justo no suelta; la de edad igual a su vida muere.
    const float pasos[][3] = {{0.5f, 0, 0},  {0.25f, 2, 0}, {0.5f, 2, 0}, {0.25f, 3, 0}, {0.25f, 1, 2}, {0.75f, 2, 1}};
    for (const auto& p : pasos) {
        s.actualizar(p[0]);
        size_t libres = 0;
        for (const Particula* q = s.getLibres(); q; q = q->siguiente) ++libres;
        EXPECT_TRUE(s.getCantidadActivas() == p[1] && libres == p[2]) << s.getReloj() << ": " << libres;
    }
    for (bool aire : {true, false}) {
        SistemaParticulas m;
        m.setResistenciaAire(aire);
        m.setVelocidadBase(0, 1, 0);
        m.actualizar(1.5f);
        m.actualizar(0.5f);
        // Desde la velocidad base, gravedad, v += g dt → −3,9; con aire, después v += (viento − v) dt → −1,95.
        EXPECT_NEAR(m.getActivas()->velocidad.y, aire ? -1.95f : -3.9f, 1e-5) << aire;
    }
}

TEST(Particulas, FuegosSobreElTableroSumandoSuColorYSinLaExtensionNada) {
    Ayudas::juego();
    for (bool extension : {false, true}) {
        SistemaPrueba::setSinFuncionesGL(!extension);
        Fuegos fuegos;
        fuegos.preparar();
        EXPECT_EQ(fuegos.getSistema(3).getTextura() != 0, extension);
        // Sólo el emisor 3 suelta: verde, en (400, 300) de la ventana, sobre gris.
        fuegos.setColor(0, 1, 0, 3);
        fuegos.setPosicion(400, 300, 0, 3);
        fuegos.getSistema(3).actualizar(0.1f);
        glClearColor(0.2f, 0.2f, 0.2f, 1);
        Ayudas::proyeccionVentana();
        glBindTexture(GL_TEXTURE_2D, 0);  // cada sistema liga su textura
        fuegos.dibujar();
        const Ayudas::Color c = Ayudas::pixel(400, 300);
        float punto[6] = {};  // tamaño 7, atenuación (1, 0, 0,01), desvanecido desde 60 y la textura del último
        glGetFloatv(GL_POINT_SIZE, punto);
        glGetFloatv(GL_TEXTURE_BINDING_2D, punto + 5);
        glGetFloatv(GL_POINT_DISTANCE_ATTENUATION_ARB, punto + 1);
        glGetFloatv(GL_POINT_FADE_THRESHOLD_SIZE_ARB, punto + 4);
        EXPECT_EQ(c.g > 200 && c.r == 51 && std::vector<float>(punto, punto + 6) == (std::vector<float>{7, 1, 0, 0.01f, 60, float(fuegos.getSistema(19).getTextura())}), extension);
        glEnable(GL_LIGHTING);
        fuegos.dibujar();
        EXPECT_FALSE(glIsEnabled(GL_LIGHTING) || glIsEnabled(GL_BLEND) || glIsEnabled(GL_TEXTURE_2D));
    }
}
