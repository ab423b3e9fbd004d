#include "assets/Model_3DS.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "assets/ArchivoBinario.h"

namespace {

enum Trozo : unsigned {
    EDITOR = 0x3D3D,
    MATERIAL = 0xAFFF,
    NOMBRE_MATERIAL = 0xA000,
    DIFUSO = 0xA020,
    COLOR_FLOAT = 0x0010,
    COLOR_BYTES = 0x0011,
    COLOR_BYTES_GAMMA = 0x0012,
    COLOR_FLOAT_GAMMA = 0x0013,
    MAPA_TEXTURA = 0xA200,
    MAPA_OPACIDAD = 0xA030,
    ARCHIVO_MAPA = 0xA300,
    OBJETO = 0x4000,
    MALLA = 0x4100,
    VERTICES = 0x4110,
    CARAS = 0x4120,
    GRUPO_CARAS = 0x4130,
    MAPEO = 0x4140,
};

const size_t CABECERA = 6;

// Recorre el archivo en memoria. Cada trozo se mira sólo dentro de su padre:
// un largo menor que la cabecera corta el recorrido del padre (no avanzaría
// nunca) y uno que se pasa del padre se recorta a él. Las cuentas se recortan
// a lo que cabe en su trozo, así nada lee ni reserva más de lo que hay.
class Lectura {
public:
    Lectura(Model_3DS& modelo, const unsigned char* datos, size_t largo, bool cargarMapas)
        : modelo(modelo), datos(datos), largo(largo), cargarMapas(cargarMapas) {}

    // El primer trozo es todo el archivo; su número no se mira.
    void archivo() {
        if (largo < CABECERA) return;
        const size_t largoPrimero = entero(2, 4);
        const size_t fin = largoPrimero < CABECERA ? CABECERA : std::min(largoPrimero, largo);
        recorrer(CABECERA, fin, [this](unsigned id, size_t inicio, size_t fin) {
            if (id == EDITOR) editor(inicio, fin);
        });
    }

private:
    unsigned entero(size_t lugar, int bytes) const {
        unsigned v = 0;
        for (int i = bytes - 1; i >= 0; --i) v = v << 8 | datos[lugar + i];
        return v;
    }

    float real(size_t lugar) const {
        const unsigned bits = entero(lugar, 4);
        float v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }

    template <typename Accion>
    void recorrer(size_t inicio, size_t fin, Accion accion) const {
        size_t lugar = inicio;
        while (lugar + CABECERA <= fin) {
            const unsigned id = entero(lugar, 2);
            const size_t largoHijo = entero(lugar + 2, 4);
            if (largoHijo < CABECERA) return;
            const size_t finHijo = largoHijo > fin - lugar ? fin : lugar + largoHijo;
            accion(id, lugar + CABECERA, finHijo);
            lugar = finHijo;
        }
    }

    // Copia un texto terminado en nulo; si no termina en los 80 bytes del
    // campo se corta ahí, y la lectura sigue después de su nulo (o del trozo).
    size_t texto(size_t inicio, size_t fin, char (&destino)[Model_3DS::LARGO_NOMBRE]) const {
        size_t n = 0;
        while (inicio + n < fin && datos[inicio + n] != 0) ++n;
        const size_t copiados = n < Model_3DS::LARGO_NOMBRE - 1 ? n : Model_3DS::LARGO_NOMBRE - 1;
        std::memcpy(destino, datos + inicio, copiados);
        destino[copiados] = '\0';
        return inicio + n < fin ? inicio + n + 1 : fin;
    }

    size_t cuenta(size_t inicio, size_t fin, size_t bytesPorElemento, size_t& cantidad) const {
        cantidad = 0;
        if (inicio + 2 > fin) return fin;
        const size_t caben = (fin - inicio - 2) / bytesPorElemento;
        cantidad = entero(inicio, 2);
        if (cantidad > caben) cantidad = caben;
        return inicio + 2;
    }

    void editor(size_t inicio, size_t fin) {
        int objetos = 0, materiales = 0;
        recorrer(inicio, fin, [&](unsigned id, size_t, size_t) {
            objetos += id == OBJETO;
            materiales += id == MATERIAL;
        });
        // Cada trozo de editor rehace los arreglos: vale el último.
        modelo.numMaterials = materiales;
        modelo.numObjects = objetos;
        modelo.Materials.reset(materiales > 0 ? new Model_3DS::Material[materiales] : nullptr);
        modelo.Objects.reset(objetos > 0 ? new Model_3DS::Object[objetos] : nullptr);
        int k = 0;
        recorrer(inicio, fin, [&](unsigned id, size_t i, size_t f) {
            if (id == MATERIAL) material(modelo.Materials[k++], i, f);
        });
        k = 0;
        recorrer(inicio, fin, [&](unsigned id, size_t i, size_t f) {
            if (id == OBJETO) objeto(modelo.Objects[k++], i, f);
        });
    }

    void material(Model_3DS::Material& m, size_t inicio, size_t fin) {
        recorrer(inicio, fin, [&](unsigned id, size_t i, size_t f) {
            if (id == NOMBRE_MATERIAL) texto(i, f, m.name);
            if (id == DIFUSO) recorrer(i, f, [&](unsigned c, size_t ic, size_t fc) { color(m, c, ic, fc); });
            if (id == MAPA_TEXTURA || id == MAPA_OPACIDAD) {
                recorrer(i, f, [&](unsigned c, size_t ic, size_t fc) {
                    if (c != ARCHIVO_MAPA) return;
                    char archivo[Model_3DS::LARGO_NOMBRE];
                    texto(ic, fc, archivo);
                    // Cada mapa se carga al leerse: con dos, el segundo reemplaza al
                    // primero sólo si su imagen se puede cargar.
                    if (cargarMapas) m.texture.Load((modelo.path + archivo).c_str());
                    m.hasTexture = true;
                });
            }
        });
    }

    void color(Model_3DS::Material& m, unsigned id, size_t inicio, size_t fin) {
        if ((id == COLOR_FLOAT || id == COLOR_FLOAT_GAMMA) && inicio + 12 <= fin) {
            for (int i = 0; i < 3; ++i) m.color[i] = aByte(real(inicio + 4 * i) * 255.0f);
            m.color[3] = 255;
        } else if ((id == COLOR_BYTES || id == COLOR_BYTES_GAMMA) && inicio + 3 <= fin) {
            for (int i = 0; i < 3; ++i) m.color[i] = datos[inicio + i];
            m.color[3] = 255;
        }
    }

    // Truncado hacia cero y los 8 bits de abajo; lo que no cabe en un entero
    // (infinitos, NaN) da 0 en vez de un resultado indefinido.
    static unsigned char aByte(float v) {
        if (!(v > -2147483648.0f && v < 2147483648.0f)) return 0;
        return static_cast<unsigned char>(static_cast<long>(v));
    }

    void objeto(Model_3DS::Object& o, size_t inicio, size_t fin) {
        const size_t hijos = texto(inicio, fin, o.name);
        recorrer(hijos, fin, [&](unsigned id, size_t i, size_t f) {
            if (id != MALLA) return;
            // Primero los vértices, después las caras: así las normales
            // salen bien aunque el archivo traiga las caras antes.
            recorrer(i, f, [&](unsigned c, size_t ic, size_t fc) {
                if (c == VERTICES) vertices(o, ic, fc);
                if (c == MAPEO) mapeo(o, ic, fc);
            });
            recorrer(i, f, [&](unsigned c, size_t ic, size_t fc) {
                if (c == CARAS) caras(o, ic, fc);
            });
        });
    }

    void vertices(Model_3DS::Object& o, size_t inicio, size_t fin) {
        size_t n;
        size_t lugar = cuenta(inicio, fin, 12, n);
        o.numVerts = static_cast<int>(n);
        o.vertices.assign(3 * n, 0.0f);
        o.normals.assign(3 * n, 0.0f);
        // El archivo tiene z hacia arriba; el juego, y.
        for (size_t v = 0; v < n; ++v, lugar += 12) {
            o.vertices[3 * v] = real(lugar);
            o.vertices[3 * v + 1] = real(lugar + 8);
            o.vertices[3 * v + 2] = -real(lugar + 4);
        }
    }

    void mapeo(Model_3DS::Object& o, size_t inicio, size_t fin) {
        size_t n;
        size_t lugar = cuenta(inicio, fin, 8, n);
        o.numTexCoords = static_cast<int>(n);
        o.texCoords.resize(2 * n);
        for (size_t i = 0; i < 2 * n; ++i, lugar += 4) o.texCoords[i] = real(lugar);
        o.textured = true;
    }

    void caras(Model_3DS::Object& o, size_t inicio, size_t fin) {
        size_t n;
        size_t lugar = cuenta(inicio, fin, 8, n);
        o.numFaces = static_cast<int>(3 * n);
        o.faces.resize(3 * n);
        for (size_t c = 0; c < n; ++c, lugar += 8) {
            unsigned short* f = &o.faces[3 * c];
            for (int k = 0; k < 3; ++k) f[k] = static_cast<unsigned short>(entero(lugar + 2 * k, 2));
            sumarNormal(o, f[0], f[1], f[2]);
        }
        int grupos = 0;
        recorrer(lugar, fin, [&](unsigned id, size_t, size_t) { grupos += id == GRUPO_CARAS; });
        o.numGroups = grupos;
        o.groups.assign(static_cast<size_t>(grupos), Model_3DS::FaceGroup());
        int k = 0;
        recorrer(lugar, fin, [&](unsigned id, size_t i, size_t f) {
            if (id == GRUPO_CARAS) grupo(o, o.groups[k++], i, f);
        });
    }

    // N = (B − C) × (B − A): el área de la cara pesa en la normal de sus vértices.
    static void sumarNormal(Model_3DS::Object& o, unsigned a, unsigned b, unsigned c) {
        const unsigned n = static_cast<unsigned>(o.numVerts);
        if (a >= n || b >= n || c >= n) return;
        const float* A = &o.vertices[3 * a];
        const float* B = &o.vertices[3 * b];
        const float* C = &o.vertices[3 * c];
        const float u[3] = {B[0] - C[0], B[1] - C[1], B[2] - C[2]};
        const float v[3] = {B[0] - A[0], B[1] - A[1], B[2] - A[2]};
        const float normal[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                                 u[0] * v[1] - u[1] * v[0]};
        for (unsigned vertice : {a, b, c})
            for (int i = 0; i < 3; ++i) o.normals[3 * vertice + i] += normal[i];
    }

    void grupo(Model_3DS::Object& o, Model_3DS::FaceGroup& g, size_t inicio, size_t fin) {
        char nombre[Model_3DS::LARGO_NOMBRE];
        size_t n;
        size_t lugar = cuenta(texto(inicio, fin, nombre), fin, 2, n);
        for (int m = 0; m < modelo.numMaterials; ++m) {
            if (std::strcmp(modelo.Materials[m].name, nombre) == 0) {
                g.material = m;
                break;
            }
        }
        // Un número de cara que no está en la lista de caras no se dibuja.
        g.indices.reserve(3 * n);
        for (size_t i = 0; i < n; ++i, lugar += 2) {
            const size_t cara = entero(lugar, 2);
            if (3 * cara + 2 >= o.faces.size()) continue;
            g.indices.insert(g.indices.end(), &o.faces[3 * cara], &o.faces[3 * cara] + 3);
        }
        g.indexCount = static_cast<int>(g.indices.size());
    }

    Model_3DS& modelo;
    const unsigned char* datos;
    size_t largo;
    bool cargarMapas;
};

}  // namespace

void Model_3DS::Load(const char* fileName) {
    const std::string nombre = GLTexture::sinComillas(fileName);
    const size_t barra = nombre.find_last_of("/\\");
    path = barra == std::string::npos ? "" : nombre.substr(0, barra + 1);

    std::vector<unsigned char> bytes;
    switch (ArchivoBinario::leer(nombre.c_str(), TOPE_ARCHIVO, bytes)) {
        case ArchivoBinario::Resultado::NoAbre:
            std::fprintf(stderr, "No se puede abrir el modelo: %s\n", nombre.c_str());
            return;
        case ArchivoBinario::Resultado::Grande:
            std::fprintf(stderr, "El modelo %s pasa de %zu bytes: no se lee\n", nombre.c_str(),
                         TOPE_ARCHIVO);
            return;
        case ArchivoBinario::Resultado::Leido:
            break;
    }
    leer(bytes.data(), bytes.size(), true);
    crearTexturasDeColor();
}

void Model_3DS::leer(const unsigned char* datos, size_t largo, bool cargarMapas) {
    Lectura(*this, datos, largo, cargarMapas).archivo();
    terminar();
}
