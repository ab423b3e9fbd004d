#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glext.h>

#include <cmath>
#include <cstdlib>
#include <set>

#include "Ayudas.h"
#include "SistemaPrueba.h"
#include "particles/SistemaParticulas.h"

namespace {

bool igual(const Vec3& v, float x, float y, float z) {
    return v.x == x && v.y == y && v.z == z;
}

std::set<const Particula*> particulas(const Particula* lista) {
    std::set<const Particula*> r;
    for (; lista; lista = lista->siguiente) r.insert(lista);
    return r;
}

// Suelta `tanda` partículas cada vez que pasa más de 0.5 s, sin gravedad.
void configurar(SistemaParticulas& s, uint32_t maximo, uint32_t tanda, float vida) {
    s.setMaxParticulas(maximo);
    s.setCantidadPorTanda(tanda);
    s.setIntervalo(0.5f);
    s.setVida(vida);
    s.setGravedad(0.0f, 0.0f, 0.0f);
}

// Una partícula de 16 píxeles en (x, 300) de la ventana: ¿cambia ese píxel?
bool dibujaEn(SistemaParticulas& s, float x) {
    configurar(s, 1, 1, 10.0f);
    s.setPosicion(x, 300.0f, 0.0f);
    s.setTamanioPunto(16.0f);
    s.actualizar(0.75f);
    Ayudas::proyeccionVentana();
    const Ayudas::Color antes = Ayudas::pixel(x, 300);
    s.render();
    return Ayudas::pixel(x, 300).g != antes.g;
}

}  // namespace

TEST(SistemaParticulas, SueltaAlPasarElIntervaloYMataAlCumplirLaVida) {
    SistemaParticulas s;
    configurar(s, 10, 2, 1.0f);
    const struct {
        float dt;
        size_t vivas, libres;
    } pasos[] = {
        {0.5f, 0, 0},   // justo el intervalo: nada
        {0.25f, 2, 0},  // primera tanda, a 0.75
        {0.5f, 2, 0},   // otra vez justo el intervalo
        {0.25f, 4, 0},  // segunda tanda, a 1.5
        {0.25f, 2, 2},  // la primera cumple 1 s exacto y muere
        {0.75f, 2, 2},  // muere la segunda; la tercera sale de los repuestos
    };
    for (const auto& p : pasos) {
        EXPECT_EQ(s.actualizar(p.dt), 0u);
        EXPECT_EQ(s.getCantidadActivas(), p.vivas) << s.getReloj();
        EXPECT_EQ(particulas(s.getActivas()).size(), p.vivas) << s.getReloj();
        EXPECT_EQ(particulas(s.getLibres()).size(), p.libres) << s.getReloj();
    }
    EXPECT_EQ(s.getActivas()->nacimiento, 2.5f);
}

TEST(SistemaParticulas, LlenoNoSueltaYReusaLasMismasParticulasEnDireccionesAlAzar) {
    std::srand(1);
    SistemaParticulas s;
    configurar(s, 100, 150, 1.0f);
    s.setVelocidadBase(0.0f, 0.0f, 5.0f);
    s.setDispersion(10.0f);
    s.actualizar(0.75f);
    const auto primeras = particulas(s.getActivas());
    EXPECT_EQ(primeras.size(), 100u);
    float zMenor = 0, zMayor = 0;
    for (const Particula* p = s.getActivas(); p; p = p->siguiente) {
        const Vec3 d = p->velocidad - Vec3(0.0f, 0.0f, 5.0f);
        EXPECT_NEAR(std::sqrt(d.productoEscalar(d)), 10.0f, 1e-4f);
        zMenor = std::min(zMenor, d.z);
        zMayor = std::max(zMayor, d.z);
    }
    EXPECT_TRUE(zMenor < -9.0f && zMayor > 9.0f);
    s.actualizar(0.75f);  // siguen vivas: la tanda no suelta nada
    EXPECT_EQ(s.getCantidadActivas(), 100u);
    s.actualizar(0.75f);  // mueren todas y vuelven a salir de los repuestos
    EXPECT_EQ(particulas(s.getActivas()), primeras);
    EXPECT_EQ(s.getLibres(), nullptr);
}

TEST(SistemaParticulas, SinDispersionSaleConLaVelocidadBaseYSeMueveConGravedadYAire) {
    for (bool aire : {true, false}) {
        SistemaParticulas s;
        configurar(s, 1, 1, 10.0f);
        s.setPosicion(10.0f, 20.0f, 30.0f);
        s.setVelocidadBase(1.0f, 2.0f, 3.0f);
        s.setGravedad(0.0f, -8.0f, 0.0f);
        s.setViento(4.0f, 0.0f, 0.0f);
        s.setResistenciaAire(aire);
        s.actualizar(0.75f);
        const Particula& p = *s.getActivas();
        EXPECT_TRUE(igual(p.velocidad, 1, 2, 3) && igual(p.posicion, 10, 20, 30));
        s.actualizar(0.25f);
        EXPECT_TRUE(aire ? igual(p.velocidad, 1.75f, 0, 2.25f) && igual(p.posicion, 10.4375f, 20, 30.5625f)
                         : igual(p.velocidad, 1, 0, 3) && igual(p.posicion, 10.25f, 20, 30.75f));
    }
}

TEST(SistemaParticulas, DibujaSpritesTexturadosDeSuColorYTamanio) {
    Ayudas::juego();
    Ayudas::Carpeta carpeta;
    SistemaParticulas s;
    // Mitad izquierda negra, mitad derecha blanca.
    s.setArchivoTextura(carpeta.escribir("chispa.bmp", Ayudas::bmp24(4, 1, [](int x, int) {
        return Ayudas::Color{x / 2 * 255, x / 2 * 255, x / 2 * 255};
    })).c_str());
    ASSERT_EQ(s.inicializar(), 1);
    GLfloat maximo = 0, tamanio = 0;
    glGetFloatv(GL_POINT_SIZE_MAX_ARB, &maximo);
    glGetFloatv(GL_POINT_SIZE, &tamanio);
    EXPECT_TRUE(s.getTamanioMaximo() == maximo && tamanio == maximo && maximo >= 32.0f);
    configurar(s, 1, 1, 10.0f);
    s.setPosicion(400.0f, 300.0f, 0.0f);
    s.setTamanioPunto(32.0f);
    s.setColor(1.0f, 0.5f, 0.0f);
    s.actualizar(0.75f);
    Ayudas::proyeccionVentana();
    const Ayudas::Color fondo = Ayudas::pixel(420, 300);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, s.getTextura());
    s.render();
    glDisable(GL_TEXTURE_2D);
    EXPECT_FALSE(glIsEnabled(GL_POINT_SPRITE_ARB));
    // El sprite va de x = 384 a 416, cada lado con su mitad de la textura.
    const Ayudas::Color izquierda = Ayudas::pixel(393, 300), derecha = Ayudas::pixel(409, 310);
    EXPECT_EQ(izquierda.r + izquierda.g + izquierda.b, 0);
    EXPECT_TRUE(derecha.r == 255 && std::abs(derecha.g - 128) <= 1 && derecha.b == 0);
    EXPECT_EQ(Ayudas::pixel(418, 300).r, fondo.r);
}

TEST(SistemaParticulas, SinFuncionesDeLaExtensionNoDibujaNiLlamaNada) {
    Ayudas::juego();
    SistemaParticulas bueno, malo;
    ASSERT_EQ(bueno.inicializar(), 1);
    SistemaPrueba::borrarAvisos();
    SistemaPrueba::setSinFuncionesGL(true);
    EXPECT_EQ(malo.inicializar(), 0);
    SistemaPrueba::setSinFuncionesGL(false);
    EXPECT_TRUE(SistemaPrueba::getAvisos().empty());  // ni intenta cargar la textura
    EXPECT_FALSE(dibujaEn(malo, 500.0f));
    // El que ya estaba listo sigue dibujando con las funciones que encontró.
    EXPECT_TRUE(dibujaEn(bueno, 300.0f));
}

TEST(SistemaParticulas, SinLaExtensionNoSeInicializa) {
    // Mesa quita la extensión si se le pide antes de crear el contexto del proceso.
    setenv("MESA_EXTENSION_OVERRIDE", "-GL_ARB_point_parameters", 1);
    Ayudas::juego();
    SistemaPrueba::borrarAvisos();
    SistemaParticulas s;
    EXPECT_EQ(s.inicializar(), 0);
    EXPECT_TRUE(SistemaPrueba::getAvisos().empty());
    EXPECT_FALSE(dibujaEn(s, 400.0f));
}
