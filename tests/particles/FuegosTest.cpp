#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "Ayudas.h"
#include "SistemaPrueba.h"
#include "particles/Fuegos.h"

namespace {

const float COLORES[5][3] = {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 1}, {0, 1, 1}};

bool igual(const Vec3& v, float x, float y, float z) {
    return v.x == x && v.y == y && v.z == z;
}

// Fuegos preparados dentro de una carpeta temporal con resources/particle.bmp blanco.
struct Preparados {
    // El juego carga sus recursos antes de que se cambie de carpeta.
    Juego& juego = Ayudas::juego();
    Ayudas::Carpeta carpeta{true};
    Fuegos fuegos;
    Preparados() {
        carpeta.escribir("resources/particle.bmp",
                         Ayudas::bmp24(2, 2, [](int, int) { return Ayudas::Color{255, 255, 255}; }));
        fuegos.preparar();
    }
};

}  // namespace

TEST(Fuegos, VeinteSistemasQuePrepararCambiaPorLosDeLaConfiguracion) {
    Preparados p;
    Fuegos& f = p.fuegos;
    const Fuegos deFabrica;
    for (int i = 0; i < 20; ++i) {
        const SistemaParticulas& s = f.getSistema(i);
        EXPECT_TRUE(deFabrica.getSistema(i).getMaxParticulas() == 1 &&
                    deFabrica.getSistema(i).getGravedad().y == -9.8f);
        EXPECT_EQ(s.getArchivoTextura(), "resources/particle.bmp");
        EXPECT_TRUE(s.getMaxParticulas() == 100 && s.getCantidadPorTanda() == 100);
        EXPECT_TRUE(s.getIntervalo() == 0.05f && s.getVida() == 0.3f && s.getTamanioPunto() == 7.0f);
        EXPECT_TRUE(s.getDispersion() == 10.0f && s.isResistenciaAire() && s.getTextura() != 0);
        EXPECT_TRUE(igual(s.getVelocidadBase(), 0, 0, 0) && igual(s.getGravedad(), 0, 0, 0) &&
                    igual(s.getViento(), 0, 0, 0) && igual(s.getPosicion(), 0, 0, 0) &&
                    igual(s.getColor(), 1, 0, 0));
    }
    for (int i = 0; i < 20; ++i) f.setColor(i / 20.0f, 1.0f, 0.5f, i), f.setPosicion(i, 2.0f * i, -i, i);
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(igual(f.getSistema(i).getColor(), i / 20.0f, 1.0f, 0.5f)) << i;
        EXPECT_TRUE(igual(f.getSistema(i).getPosicion(), i, 2.0f * i, -i)) << i;
    }
    // Sin el archivo, cada sistema avisa y queda sin textura.
    std::remove("resources/particle.bmp");
    SistemaPrueba::borrarAvisos();
    f.preparar();
    ASSERT_EQ(SistemaPrueba::getAvisos().size(), 20u);
    EXPECT_EQ(SistemaPrueba::getAvisos()[19].texto, "Failed to open DIB file resources/particle.bmp.\n");
    EXPECT_EQ(f.getSistema(19).getTextura(), 0u);
}

TEST(Fuegos, LosEmisoresSaltanPorLaCuadriculaDelTablero) {
    Preparados p;
    std::srand(3);
    Vec3 menor(99, 99, 99), mayor(-99, -99, -99);
    // Con pasos más largos que la vida, cada paso suelta una tanda nueva.
    for (int n = 0; n < 300; ++n) {
        p.fuegos.actualizar(0.35f);
        for (int i = 0; i < 20; ++i) {
            const Vec3& e = p.fuegos.getSistema(i).getPosicion();
            // La tanda sale del lugar nuevo: los emisores se mueven antes de actualizar.
            EXPECT_TRUE(igual(p.fuegos.getSistema(i).getActivas()->posicion, e.x, e.y, e.z));
            EXPECT_TRUE(e.x == std::floor(e.x) && e.y == std::floor(e.y) && e.z == std::floor(e.z));
            menor = {std::min(menor.x, e.x), std::min(menor.y, e.y), std::min(menor.z, e.z)};
            mayor = {std::max(mayor.x, e.x), std::max(mayor.y, e.y), std::max(mayor.z, e.z)};
        }
    }
    EXPECT_TRUE(igual(menor, 2, 0, 2) && igual(mayor, 17, 14, 6));
}

TEST(Fuegos, DibujaCadaEmisorDeSuColorYApagaLaLuz) {
    Preparados p;
    for (int i = 0; i < 20; ++i) p.fuegos.setColor(COLORES[i % 5][0], COLORES[i % 5][1], COLORES[i % 5][2], i);
    std::srand(5);
    p.fuegos.actualizar(0.1f);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 20, 0, 15, -10, 10);  // 40 píxeles por unidad del tablero
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0.5f, 1);  // las chispas se suman al fondo
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    // Cada sistema liga su textura: la negra que queda ligada no se ve.
    GLuint negra = 0;
    const unsigned char texel[3] = {0, 0, 0};
    glGenTextures(1, &negra);
    glBindTexture(GL_TEXTURE_2D, negra);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, texel);
    p.fuegos.dibujar();
    int vistos = 0;
    for (int i = 0; i < 20; ++i) {
        const Vec3& e = p.fuegos.getSistema(i).getPosicion();
        int mismoLugar = 0;
        for (int j = 0; j < 20; ++j) {
            const Vec3& o = p.fuegos.getSistema(j).getPosicion();
            mismoLugar += o.x == e.x && o.y == e.y;
        }
        if (mismoLugar > 1) continue;
        ++vistos;
        const Ayudas::Color c = Ayudas::pixel(e.x * 40, e.y * 40);
        EXPECT_TRUE(c.r == COLORES[i % 5][0] * 255 && c.g == COLORES[i % 5][1] * 255 &&
                    std::abs(c.b - (COLORES[i % 5][2] ? 255 : 128)) <= 1) << i;
    }
    EXPECT_GT(vistos, 10);
    glEnable(GL_LIGHTING);
    p.fuegos.dibujar();
    GLboolean escribe = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &escribe);
    EXPECT_TRUE(escribe && !glIsEnabled(GL_TEXTURE_2D) && !glIsEnabled(GL_BLEND) &&
                !glIsEnabled(GL_LIGHTING));
}
