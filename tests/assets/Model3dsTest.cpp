#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Ayudas.h"
#include "assets/Model_3DS.h"

namespace {

std::string u16(unsigned v) {
    std::string s;
    Ayudas::agregarEntero(s, v, 2);
    return s;
}

std::string f32(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, 4);
    std::string s;
    Ayudas::agregarEntero(s, bits, 4);
    return s;
}

std::string trozo(unsigned id, const std::string& datos) {
    std::string s = u16(id);
    Ayudas::agregarEntero(s, static_cast<uint32_t>(datos.size() + 6), 4);
    return s + datos;
}

std::string nombre(const std::string& n) { return n + std::string(1, '\0'); }

std::string vertices(std::initializer_list<float> xyz) {
    std::string s = u16(static_cast<unsigned>(xyz.size() / 3));
    for (float v : xyz) s += f32(v);
    return trozo(0x4110, s);
}

std::string caras(std::initializer_list<unsigned> abc, const std::string& hijos = "") {
    std::string s = u16(static_cast<unsigned>(abc.size() / 3));
    int k = 0;
    for (unsigned v : abc) {
        s += u16(v);
        if (++k % 3 == 0) s += u16(7);
    }
    return trozo(0x4120, s + hijos);
}

std::string grupo(const std::string& material, std::initializer_list<unsigned> cara) {
    std::string s = nombre(material) + u16(static_cast<unsigned>(cara.size()));
    for (unsigned c : cara) s += u16(c);
    return trozo(0x4130, s);
}

std::string material(const std::string& n, const std::string& color, const std::string& mapa = "") {
    return trozo(0xAFFF, trozo(0xA000, nombre(n)) + trozo(0xA020, color) +
                             (mapa.empty() ? "" : trozo(0xA200, trozo(0xA300, nombre(mapa)))));
}

std::string colorBytes(int r, int g, int b) {
    return trozo(0x0011, std::string{static_cast<char>(r), static_cast<char>(g), static_cast<char>(b)});
}

std::string objeto(const std::string& n, const std::string& malla) {
    return trozo(0x4000, nombre(n) + trozo(0x4100, malla));
}

std::string modelo(const std::string& editor) { return trozo(0x4D4D, trozo(0x3D3D, editor)); }

void leer(Model_3DS& m, const std::string& bytes) {
    m.leer(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

std::vector<unsigned short> indices(const Model_3DS& m, int objeto = 0, int grupo = 0) {
    return m.Objects[objeto].groups[grupo].indices;
}

}  // namespace

TEST(Modelo3ds, ElMasChicoCompletoDeCientoVeintisieteBytes) {
    const std::string bytes =
        modelo(material("M", colorBytes(10, 20, 30)) +
               objeto("O", vertices({0, 0, 0, 1, 0, 0, 0, 1, 0}) + caras({0, 1, 2}, grupo("M", {0}))));
    ASSERT_EQ(bytes.size(), 127u);
    Model_3DS m;
    leer(m, bytes);
    ASSERT_EQ(m.numMaterials, 1);
    EXPECT_STREQ(m.Materials[0].name, "M");
    EXPECT_EQ(std::vector<int>(m.Materials[0].color, m.Materials[0].color + 4),
              (std::vector<int>{10, 20, 30, 255}));
    ASSERT_EQ(m.numObjects, 1);
    const Model_3DS::Object& o = m.Objects[0];
    EXPECT_STREQ(o.name, "O");
    EXPECT_EQ(o.numVerts, 3);
    EXPECT_EQ(o.numFaces, 3);
    ASSERT_EQ(o.numGroups, 1);
    EXPECT_EQ(o.groups[0].material, 0);
    EXPECT_EQ(o.groups[0].indexCount, 3);
    EXPECT_EQ(indices(m), (std::vector<unsigned short>{0, 1, 2}));
    // (1, 0, 0) y (0, 1, 0) del archivo quedan en (1, 0, 0) y (0, 0, −1):
    // la cara mira hacia +y del juego.
    EXPECT_EQ(o.vertices, (std::vector<float>{0, 0, 0, 1, 0, 0, 0, 0, -1}));
    for (int v = 0; v < 3; ++v) {
        EXPECT_EQ(o.normals[3 * v], 0.0f);
        EXPECT_EQ(o.normals[3 * v + 1], 1.0f);
        EXPECT_EQ(o.normals[3 * v + 2], 0.0f);
    }
}

TEST(Modelo3ds, EjesColoresYNormalesPesadasPorArea) {
    const std::string flotantes = trozo(0x0010, f32(0.5f) + f32(0.25f) + f32(1.0f));
    // El vértice 0 lo comparten una cara de área 2 que mira hacia +y del
    // juego y otra de área 1/2 que mira hacia +x; el 5 no lo usa nadie.
    const std::string malla = vertices({0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 1, 0, 1, 2, 3}) +
                              caras({0, 1, 2, 0, 4, 3}, grupo("flotante", {0, 1}));
    Model_3DS m;
    leer(m, modelo(material("flotante", flotantes) + material("bytes", colorBytes(10, 20, 30)) +
                   trozo(0xAFFF, trozo(0xA000, nombre("sin color"))) + objeto("o", malla)));
    ASSERT_EQ(m.numMaterials, 3);
    const std::vector<std::vector<int>> colores = {{127, 63, 255, 255}, {10, 20, 30, 255}, {255, 255, 255, 255}};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(std::vector<int>(m.Materials[i].color, m.Materials[i].color + 4), colores[i]) << i;

    const Model_3DS::Object& o = m.Objects[0];
    // (x, y, z) del archivo queda (x, z, −y).
    EXPECT_EQ(std::vector<float>(o.vertices.begin() + 15, o.vertices.end()),
              (std::vector<float>{1, 3, -2}));
    const float raiz17 = std::sqrt(17.0f);
    const std::vector<std::vector<float>> normales = {
        {1 / raiz17, 4 / raiz17, 0}, {0, 1, 0}, {0, 1, 0}, {1, 0, 0}, {1, 0, 0}, {0, 0, 0}};
    for (int v = 0; v < 6; ++v)
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(o.normals[3 * v + k], normales[v][k], 1e-6) << v;
}

TEST(Modelo3ds, MapeoDeRepuestoTrozosAjenosYOrdenDeLaMalla) {
    const std::string v = vertices({1, 2, 3, 4, 5, 6, 7, 8, 9});
    const std::string c = caras({0, 1, 2}, grupo("m", {0}));
    const std::string mapeo2 = trozo(0x4140, u16(2) + f32(0.25f) + f32(0.75f) + f32(1) + f32(0));
    const std::string mapeo0 = trozo(0x4140, u16(0));
    const std::string mat = material("m", colorBytes(1, 2, 3));
    // Sin mapeo: (x, y) del juego por vértice, pero el arreglo no se usa al dibujar.
    Model_3DS sin;
    leer(sin, modelo(mat + objeto("o", v + c)));
    EXPECT_FALSE(sin.Objects[0].textured);
    EXPECT_EQ(sin.Objects[0].texCoords, (std::vector<float>{1, 3, 4, 6, 7, 9}));
    // Un mapeo vacío usa las mismas coordenadas de repuesto, y sí se dibujan.
    Model_3DS vacio;
    leer(vacio, modelo(mat + objeto("o", v + mapeo0 + c)));
    EXPECT_TRUE(vacio.Objects[0].textured);
    EXPECT_EQ(vacio.Objects[0].texCoords, sin.Objects[0].texCoords);
    // Uno más corto que los vértices se completa con ceros.
    Model_3DS corto;
    leer(corto, modelo(mat + objeto("o", v + mapeo2 + c)));
    EXPECT_EQ(corto.Objects[0].texCoords, (std::vector<float>{0.25f, 0.75f, 1, 0, 0, 0}));

    // Trozos que no se leen, en todos los niveles, y las caras antes que los
    // vértices: el mismo modelo.
    const std::string version = trozo(0x0002, u16(3) + u16(0));
    const std::string suavizado = trozo(0x4150, std::string(4, '\x01'));
    const std::string ejes = trozo(0x4160, std::string(48, '\0'));
    const std::string otro = trozo(0x4D4D, version + trozo(0x3D3D, trozo(0x3D3E, u16(3)) + mat +
        objeto("o", caras({0, 1, 2}, suavizado + grupo("m", {0})) + ejes + v)) + trozo(0xB000, version));
    Model_3DS extra;
    leer(extra, otro);
    // El primer trozo se recorre aunque su número no sea el de siempre.
    Model_3DS raro;
    leer(raro, u16(0x1234) + otro.substr(2));
    for (const Model_3DS* m : {&extra, &raro}) {
        ASSERT_EQ(m->numObjects, 1);
        EXPECT_EQ(m->Objects[0].vertices, sin.Objects[0].vertices);
        EXPECT_EQ(m->Objects[0].normals, sin.Objects[0].normals);
        EXPECT_EQ(m->Objects[0].groups[0].indices, sin.Objects[0].groups[0].indices);
    }
}

TEST(Modelo3ds, NombresDeMaterialesYGrupos) {
    const std::string malla = vertices({0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0}) +
                              caras({0, 1, 2, 1, 3, 2, 0, 2, 3},
                                    grupo("doble", {1}) + grupo("nadie", {0}) + grupo("doble", {9, 2}));
    Model_3DS m;
    leer(m, modelo(material("otro", colorBytes(0, 0, 0)) + material("doble", colorBytes(1, 1, 1)) +
                   material("doble", colorBytes(2, 2, 2)) + objeto("o", malla) +
                   objeto("sin grupos", vertices({0, 0, 0, 1, 0, 0, 0, 1, 0}) + caras({0, 1, 2}))));
    const Model_3DS::Object& o = m.Objects[0];
    ASSERT_EQ(o.numGroups, 3);
    // Con dos materiales del mismo nombre gana el primero; un nombre que no
    // es de ningún material no apunta fuera del arreglo.
    EXPECT_EQ(o.groups[0].material, 1);
    EXPECT_EQ(o.groups[1].material, -1);
    EXPECT_EQ(indices(m, 0, 0), (std::vector<unsigned short>{1, 3, 2}));
    EXPECT_EQ(indices(m, 0, 1), (std::vector<unsigned short>{0, 1, 2}));
    // La cara 9 no existe y se deja afuera.
    EXPECT_EQ(indices(m, 0, 2), (std::vector<unsigned short>{0, 2, 3}));
    EXPECT_EQ(o.groups[2].indexCount, 3);
    // Caras sin grupos: nada que dibujar.
    EXPECT_EQ(m.Objects[1].numFaces, 3);
    EXPECT_EQ(m.Objects[1].numGroups, 0);
}

TEST(Modelo3ds, RutaDeLasTexturasYArchivoQueFalta) {
    Ayudas::juego();
    Ayudas::Carpeta carpeta(true);
    carpeta.escribir("resources/barco.3ds",
                     modelo(material("con mapa", colorBytes(9, 9, 9), "Hyperb.BMP") +
                            material("rojo", colorBytes(255, 0, 0))));
    carpeta.escribir("suelto.3ds", modelo(material("tga", colorBytes(0, 0, 0), "Casco.TGA")));
    Model_3DS m;
    m.Load("\"resources/barco.3ds\"");
    EXPECT_EQ(m.path, "resources/");
    ASSERT_EQ(m.numMaterials, 2);
    EXPECT_EQ(m.Materials[0].textureFile, "resources/Hyperb.BMP");
    EXPECT_EQ(m.Materials[0].texture.getFileName(), "resources/hyperb.bmp");
    // El segundo no tiene mapa: lleva una textura de 2 x 2 de su color.
    EXPECT_TRUE(m.Materials[1].hasTexture);
    m.Materials[1].texture.Bind();
    unsigned char texeles[12];
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texeles);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(texeles[i], i % 3 == 0 ? 255 : 0) << i;

    Model_3DS suelto;
    suelto.Load("suelto.3ds");
    EXPECT_EQ(suelto.path, "");
    EXPECT_EQ(suelto.Materials[0].textureFile, "Casco.TGA");

    Model_3DS falta;
    testing::internal::CaptureStderr();
    falta.Load("resources/no-esta.3ds");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "No se puede abrir el modelo: resources/no-esta.3ds\n");
    EXPECT_EQ(falta.numObjects, 0);
    EXPECT_EQ(falta.numMaterials, 0);
    falta.Draw();
}

namespace {

// Lo que el dibujo da por cierto, sea cual sea el archivo.
void comprobarInvariantes(const Model_3DS& m) {
    for (int g = 0; g < m.numObjects; ++g) {
        const Model_3DS::Object& o = m.Objects[g];
        const size_t n = static_cast<size_t>(o.numVerts);
        ASSERT_EQ(o.vertices.size(), 3 * n);
        ASSERT_EQ(o.normals.size(), 3 * n);
        ASSERT_GE(o.texCoords.size(), 2 * n);
        ASSERT_EQ(o.groups.size(), static_cast<size_t>(o.numGroups));
        for (const Model_3DS::FaceGroup& grupo : o.groups) {
            ASSERT_EQ(grupo.indices.size(), static_cast<size_t>(grupo.indexCount));
            ASSERT_GE(grupo.material, -1);
            ASSERT_LT(grupo.material, m.numMaterials);
            for (unsigned short i : grupo.indices) ASSERT_LT(i, n);
        }
    }
}

}  // namespace

TEST(Modelo3ds, NingunArchivoLoRompe) {
    const std::string mat = material("M", colorBytes(10, 20, 30));
    const std::string completo =
        modelo(mat + objeto("O", vertices({0, 0, 0, 1, 0, 0, 0, 1, 0}) + caras({0, 1, 2}, grupo("M", {0}))));
    std::string largoCorto = trozo(0x3D3D, mat + u16(0x4000) + std::string(4, '\0') + mat);
    std::string cuentaDeMas = vertices({0, 0, 0, 1, 1, 1});
    cuentaDeMas[6] = '\xff';
    const std::string largo(100, 'x');
    struct Caso {
        const char* que;
        std::string bytes;
        int objetos, materiales, vertices, indices;
    } casos[] = {
        {"hijo de largo 0", trozo(0x4D4D, largoCorto), 0, 1, 0, 0},
        {"cuenta de vértices de más", modelo(objeto("O", cuentaDeMas + caras({0, 1, 0}, grupo("M", {0})))), 1, 0, 2, 3},
        {"índices fuera de los vértices", modelo(objeto("O", vertices({0, 0, 0}) + caras({0, 1, 2}, grupo("M", {0})))), 1, 0, 1, 0},
        {"nombre sin nulo en 80 bytes", modelo(trozo(0x4000, largo + nombre("") + trozo(0x4100, vertices({1, 1, 1})))), 1, 0, 1, 0},
        {"dos editores", trozo(0x4D4D, trozo(0x3D3D, mat + mat) + trozo(0x3D3D, objeto("O", vertices({1, 2, 3})))), 1, 0, 1, 0},
        {"dos listas de vértices", modelo(objeto("O", vertices({0, 0, 0, 1, 0, 0, 0, 1, 0}) + caras({0, 1, 2}, grupo("M", {0})) + vertices({5, 5, 5}))), 1, 0, 1, 0},
        {"primer trozo más largo que el archivo", completo.substr(0, 120), 1, 1, 3, 0},
        {"cuenta de caras sin caras", modelo(objeto("O", vertices({0, 0, 0}) + trozo(0x4120, u16(65535)))), 1, 0, 1, 0},
        {"nada", "", 0, 0, 0, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        Model_3DS m;
        leer(m, c.bytes);
        comprobarInvariantes(m);
        EXPECT_EQ(m.numObjects, c.objetos);
        EXPECT_EQ(m.numMaterials, c.materiales);
        if (m.numObjects > 0) {
            EXPECT_EQ(m.Objects[0].numVerts, c.vertices);
            const int dibujados = m.Objects[0].numGroups ? m.Objects[0].groups[0].indexCount : 0;
            EXPECT_EQ(dibujados, c.indices);
        }
    }
    // El nombre largo se corta en 79 caracteres y lo que sigue se lee igual.
    Model_3DS m;
    leer(m, casos[3].bytes);
    EXPECT_EQ(std::string(m.Objects[0].name), largo.substr(0, 79));
    // Cortado en cualquier byte, el modelo completo sigue siendo dibujable.
    for (size_t n = 0; n < completo.size(); ++n) {
        Model_3DS parcial;
        leer(parcial, completo.substr(0, n));
        comprobarInvariantes(parcial);
    }
}

TEST(Modelo3ds, CadaGrupoSeDibujaConLaTexturaDeSuMaterial) {
    Ayudas::juego();
    // Dos triángulos en el plano de la ventana (y del archivo = 0), cada uno
    // de un material; el tercero no tiene material y sale blanco.
    const std::string malla =
        vertices({100, 0, 100, 300, 0, 100, 100, 0, 300, 500, 0, 100, 700, 0, 100, 500, 0, 300,
                  300, 0, 400, 500, 0, 400, 300, 0, 550}) +
        caras({0, 1, 2, 3, 4, 5, 6, 7, 8},
              grupo("verde", {1}) + grupo("rojo", {0}) + grupo("ninguno", {2}));
    Model_3DS m;
    leer(m, modelo(material("rojo", colorBytes(255, 0, 0)) + material("verde", colorBytes(0, 255, 0)) +
                   objeto("o", malla)));
    m.crearTexturas();
    Ayudas::proyeccionVentana();
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    m.Draw();
    EXPECT_EQ(Ayudas::pixel(150, 150).r, 255);
    EXPECT_EQ(Ayudas::pixel(150, 150).g, 0);
    EXPECT_EQ(Ayudas::pixel(550, 150).g, 255);
    EXPECT_EQ(Ayudas::pixel(550, 150).r, 0);
    EXPECT_EQ(Ayudas::pixel(350, 420).b, 255);
    EXPECT_LT(Ayudas::pixel(450, 300).r, 10);
    // Sin mapeo, el arreglo de coordenadas de textura queda apagado.
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    EXPECT_TRUE(glIsEnabled(GL_NORMAL_ARRAY));

    // La ubicación del modelo: escala, luego giro en z, luego corrimiento.
    Ayudas::proyeccionVentana();
    m.scale = 0.5f;
    m.rot[2] = 90.0f;
    m.pos[0] = 400.0f;
    m.pos[1] = 100.0f;
    m.Draw();
    // (150, 150) del triángulo rojo pasa a (400 − 75, 100 + 75).
    EXPECT_EQ(Ayudas::pixel(325, 175).r, 255);
    EXPECT_LT(Ayudas::pixel(150, 150).r, 10);

    Ayudas::proyeccionVentana();
    m.visible = false;
    m.Draw();
    EXPECT_LT(Ayudas::pixel(325, 175).r, 10);
    glDisable(GL_TEXTURE_2D);
}

TEST(Modelo3ds, UnModeloExportadoPorAssimp) {
    Ayudas::juego();
    Ayudas::Carpeta carpeta(true);
    carpeta.escribir("caja.obj",
                     "mtllib caja.mtl\no Caja\nv 0 0 0\nv 2 0 0\nv 2 1 0\nv 0 1 0\nv 0 0 3\nv 2 0 3\n"
                     "v 2 1 3\nv 0 1 3\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nusemtl Rojo\n"
                     "f 1/1 2/2 3/3 4/4\nf 5/1 8/4 7/3 6/2\nusemtl Azul\nf 1/1 5/2 6/3 2/4\n"
                     "f 2/1 6/2 7/3 3/4\nf 3/1 7/2 8/3 4/4\nf 4/1 8/2 5/3 1/4\n");
    carpeta.escribir("caja.mtl", "newmtl Rojo\nKd 1 0 0\nmap_Kd madera.tga\nnewmtl Azul\nKd 0 0 1\n");
    ASSERT_EQ(std::system("convert -size 2x2 xc:'rgb(200,120,40)' -compress none madera.tga && "
                          "assimp export caja.obj caja.3ds > /dev/null"),
              0);
    Model_3DS m;
    m.Load("caja.3ds");
    // Assimp agrega brillo, especular, ejes locales y animación: se saltan.
    int rojo = -1, azul = -1;
    for (int i = 0; i < m.numMaterials; ++i) {
        const std::string nombre = m.Materials[i].name;
        if (nombre.find("Rojo") != std::string::npos) rojo = i;
        if (nombre.find("Azul") != std::string::npos) azul = i;
    }
    ASSERT_GE(rojo, 0);
    ASSERT_GE(azul, 0);
    EXPECT_EQ(std::vector<int>(m.Materials[rojo].color, m.Materials[rojo].color + 4),
              (std::vector<int>{255, 0, 0, 255}));
    EXPECT_EQ(std::vector<int>(m.Materials[azul].color, m.Materials[azul].color + 3),
              (std::vector<int>{0, 0, 255}));
    m.Materials[rojo].texture.Bind();
    unsigned char texel[3];
    glGetTexImage(GL_TEXTURE_2D, 1, GL_RGB, GL_UNSIGNED_BYTE, texel);
    EXPECT_EQ(std::vector<int>(texel, texel + 3), (std::vector<int>{200, 120, 40}));

    int triangulos = 0;
    std::vector<int> porMaterial(static_cast<size_t>(m.numMaterials));
    for (int i = 0; i < m.numObjects; ++i) {
        const Model_3DS::Object& o = m.Objects[i];
        EXPECT_TRUE(o.textured);
        for (int v = 0; v < o.numVerts; ++v) {
            EXPECT_TRUE(o.vertices[3 * v] >= 0 && o.vertices[3 * v] <= 2);
            EXPECT_TRUE(o.vertices[3 * v + 1] >= 0 && o.vertices[3 * v + 1] <= 3);
            EXPECT_TRUE(o.vertices[3 * v + 2] >= -1 && o.vertices[3 * v + 2] <= 0);
        }
        for (const Model_3DS::FaceGroup& g : o.groups) {
            ASSERT_GE(g.material, 0);
            porMaterial[static_cast<size_t>(g.material)] += g.indexCount / 3;
            triangulos += g.indexCount / 3;
        }
    }
    EXPECT_EQ(triangulos, 12);
    EXPECT_EQ(porMaterial[static_cast<size_t>(rojo)], 4);
    EXPECT_EQ(porMaterial[static_cast<size_t>(azul)], 8);
}
