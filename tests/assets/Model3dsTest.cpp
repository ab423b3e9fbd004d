#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "Ayudas.h"
#include "Comparacion.h"
#include "assets/Model_3DS.h"

namespace {

std::string u16(size_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }

std::string trozo(unsigned id, const std::string& datos) {
    return u16(id) + u16(datos.size() + 6) + u16((datos.size() + 6) >> 16) + datos;
}

std::string reales(std::initializer_list<float> v) {
    return {reinterpret_cast<const char*>(v.begin()), 4 * v.size()};
}

std::string vertices(std::initializer_list<float> v) { return trozo(0x4110, u16(v.size() / 3) + reales(v)); }

// Cada cara con sus banderas, y después los hijos: los grupos por material.
std::string caras(std::initializer_list<unsigned> abc, const std::string& hijos = "") {
    std::string s = u16(abc.size() / 3);
    for (size_t k = 0; k < abc.size(); ++k) s += u16(abc.begin()[k]) + (k % 3 == 2 ? u16(7) : "");
    return trozo(0x4120, s + hijos);
}

std::string grupo(const std::string& material, std::initializer_list<unsigned> lista) {
    std::string s = material + '\0' + u16(lista.size());
    for (unsigned c : lista) s += u16(c);
    return trozo(0x4130, s);
}

std::string bytes(int r, int g, int b) { return trozo(0x0011, {char(r), char(g), char(b)}); }

std::string material(const std::string& n, const std::string& color) {
    return trozo(0xAFFF, trozo(0xA000, n + '\0') + trozo(0xA020, color));
}

std::string objeto(const std::string& n, const std::string& malla) {
    return trozo(0x4000, n + '\0' + trozo(0x4100, malla));
}

// Sin principal, el trozo del editor va dentro del principal de siempre.
std::unique_ptr<Model_3DS> leido(const std::string& editor, const std::string& principal = "") {
    const std::string s = principal.empty() ? trozo(0x4D4D, trozo(0x3D3D, editor)) : principal;
    auto m = std::make_unique<Model_3DS>();
    m->leer(reinterpret_cast<const unsigned char*>(s.data()), s.size());
    return m;
}

}  // namespace

TEST(Modelo3ds, ColorRealEjesYNormalesPesadasPorArea) {
    // El vértice 0 lo comparten una cara de área 2 que mira a +y del juego y
    // otra de área 1/2 que mira a +x; el 5, (1, 2, 3) del archivo, no lo usa nadie.
    auto m = leido(material("f", trozo(0x0010, reales({0.5f, 0.25f, 1.0f}))) + material("g", trozo(0x0013, reales({0, 1, 0}))) +
                   objeto("o", vertices({0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 1, 0, 1, 2, 3}) +
                                   caras({0, 1, 2, 0, 4, 3}, grupo("f", {0, 1}))));
    const unsigned char* c = m->Materials[0].color;
    EXPECT_EQ(std::vector<int>(c, c + 4), (std::vector<int>{127, 63, 255, 255}));
    EXPECT_TRUE(m->Materials[1].color[0] == 0 && m->Materials[1].color[1] == 255);  // reales con corrección gamma
    const Model_3DS::Object& o = m->Objects[0];
    EXPECT_EQ(std::vector<float>(o.vertices.begin() + 15, o.vertices.end()), (std::vector<float>{1, 3, -2}));
    EXPECT_EQ(std::vector<float>(o.texCoords.begin() + 10, o.texCoords.end()), (std::vector<float>{1, 3}));  // sin mapeo, x e y
    const float r = std::sqrt(17.0f);
    const float normales[18] = {1 / r, 4 / r, 0, 0, 1, 0, 0, 1, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0};
    for (int k = 0; k < 18; ++k) EXPECT_NEAR(o.normals[k], normales[k], 1e-6) << k;
}

TEST(Modelo3ds, MapeoGruposYTrozosAjenos) {
    const std::string v = vertices({1, 2, 3, 4, 5, 6, 7, 8, 9}), mat = material("m", bytes(1, 2, 3));
    // Un mapeo corto se completa con ceros.
    const std::string mapeo = trozo(0x4140, u16(2) + reales({0.25f, 0.75f, 1, 0}));
    auto m = leido(mat + objeto("o", v + mapeo + caras({0, 1, 2})));
    EXPECT_TRUE(m->Objects[0].textured && m->Objects[0].texCoords == (std::vector<float>{0.25f, 0.75f, 1, 0, 0, 0}));
    // Trozos ajenos en todos los niveles, caras antes que vértices, un primer
    // trozo de otro número y un nombre sin nulo en sus 80 bytes: el mismo modelo.
    const std::string ajeno = trozo(0x0002, u16(3)), largo(100, 'x');
    const std::string malla = caras({0, 1, 2}, trozo(0x4150, "ab") + grupo("m", {0})) + v;
    const std::string editor = trozo(0x3D3D, trozo(0x3D3E, u16(3)) + mat + objeto(largo, malla));
    auto raro = leido("", trozo(0x1234, ajeno + editor + trozo(0xB000, ajeno)));
    EXPECT_EQ(raro->Objects[0].name, largo.substr(0, 79));
    EXPECT_EQ(raro->Objects[0].vertices, (std::vector<float>{1, 3, -2, 4, 6, -5, 7, 9, -8}));
    EXPECT_EQ(raro->Objects[0].groups[0].indices, (std::vector<unsigned short>{0, 1, 2}));
    // Gana el primer material del nombre; uno desconocido no apunta fuera; la cara 2 de una
    // segunda lista de 2, aunque la primera la tuviera, no existe; un hijo más corto que su
    // cabecera corta el recorrido de su padre.
    auto g = leido(material("otro", "") + material("d", bytes(1, 1, 1)) + material("d", "") +
                   objeto("o", v + caras({0, 1, 2, 0, 1, 2, 1, 2, 0}) +
                                   caras({0, 1, 2, 2, 1, 0}, grupo("d", {1, 2}) + grupo("nadie", {0}))) +
                   u16(0x4000) + std::string("\2\0\0\0", 4) + mat);
    EXPECT_TRUE(g->numMaterials == 3 && g->numObjects == 1);
    EXPECT_TRUE(g->Objects[0].groups[0].material == 1 && g->Objects[0].groups[1].material == -1);
    EXPECT_EQ(g->Objects[0].groups[0].indices, (std::vector<unsigned short>{2, 1, 0}));
}

TEST(Modelo3ds, DibujoPorGrupoYMapas) {
    Ayudas::juego();
    // Dos triángulos de dos materiales de color y uno sin material, en el
    // plano de la ventana (y del archivo = 0).
    auto d = leido(material("rojo", bytes(255, 0, 0)) + material("verde", bytes(0, 255, 0)) +
                   objeto("o", vertices({1, 0, 1, 3, 0, 1, 1, 0, 3, 5, 0, 1, 7, 0,
                                         1, 5, 0, 3, 3, 0, 4, 5, 0, 4, 3, 0, 5}) +
                                   caras({0, 1, 2, 3, 4, 5, 6, 7, 8},
                                         grupo("verde", {1}) + grupo("rojo", {0}) + grupo("nadie", {2}))));
    d->crearTexturasDeColor();
    EXPECT_TRUE(d->Materials[0].hasTexture && d->Materials[1].hasTexture);
    d->scale = 100;
    Ayudas::proyeccionVentana();
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    d->Draw();
    const int esperados[][5] = {{150, 150, 255, 0, 0}, {550, 150, 0, 255, 0}, {350, 420, 255, 255, 255}};
    for (const auto& e : esperados) EXPECT_TRUE(parecidos(Ayudas::pixel(e[0], e[1]), {e[2], e[3], e[4]}, 0)) << e[0];
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));

    // Cada mapa se carga al leerse, en orden (uno que falta no borra al anterior), y el color después.
    Carpeta carpeta(true);
    const std::string tga("\0\0\2\0\0\0\0\0\0\0\0\0\1\0\1\0\x18\0", 18);
    carpeta.escribir("resources/a.tga", tga + "\x30\x20\x10");
    carpeta.escribir("resources/b.tga", tga + "\x60\x50\x40");
    const auto mapa = [](unsigned id, const std::string& a) { return trozo(id, trozo(0xA300, a + '\0')); };
    const std::string editor = material("c", bytes(1, 2, 3)) +
                               trozo(0xAFFF, mapa(0xA030, "A.TGA") + mapa(0xA200, "falta.tga")) +
                               trozo(0xAFFF, mapa(0xA200, "a.tga") + mapa(0xA200, "b.tga"));
    carpeta.escribir("resources/m.3ds", trozo(0x4D4D, trozo(0x3D3D, editor)));
    Model_3DS m;
    m.Load("resources/m.3ds");
    const std::vector<int> colores[] = {{1, 2, 3}, {16, 32, 48}, {64, 80, 96}};
    for (int k = 0; k < 3; ++k) {
        unsigned char t[16] = {};
        m.Materials[k].texture.Bind();
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, t);
        EXPECT_EQ(std::vector<int>(t, t + 3), colores[k]) << k;
    }
    EXPECT_GT(m.Materials[0].texture.getTexture(), m.Materials[2].texture.getTexture());
}
