#ifndef VQ_MODEL_3DS_H
#define VQ_MODEL_3DS_H

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "assets/GLTexture.h"

// Un modelo en formato 3DS: materiales y objetos con sus mallas de
// triángulos, listos para dibujarse con arreglos de vértices. Lee sólo lo que
// el juego usa (nombres, color difuso, mapa de textura, vértices, coordenadas
// de mapeo, caras y grupos de caras por material) y salta todo lo demás.
class Model_3DS {
public:
    static constexpr int LARGO_NOMBRE = 80;
    // Ningún modelo del juego se acerca; un archivo mayor no se lee.
    static constexpr size_t TOPE_ARCHIVO = 16u << 20;

    struct Material {
        char name[LARGO_NOMBRE] = {};
        GLTexture texture;
        bool hasTexture = false;
        // Sin color en el archivo queda blanco: el modelo toma el color de quien lo dibuja.
        unsigned char color[4] = {255, 255, 255, 255};
    };

    struct FaceGroup {
        std::vector<unsigned short> indices;
        int indexCount = 0;
        // -1 si el nombre no es de ningún material: se dibuja sin textura.
        int material = -1;
    };

    struct Object {
        char name[LARGO_NOMBRE] = {};
        std::vector<float> vertices;
        std::vector<float> normals;
        std::vector<float> texCoords;
        std::vector<unsigned short> faces;
        // Tres veces el número de caras: cuenta los índices de faces.
        int numFaces = 0;
        int numGroups = 0;
        int numVerts = 0;
        int numTexCoords = 0;
        bool textured = false;
        std::vector<FaceGroup> groups;
        float pos[3] = {0.0f, 0.0f, 0.0f};
        float rot[3] = {0.0f, 0.0f, 0.0f};
    };

    Model_3DS() = default;
    virtual ~Model_3DS() = default;
    Model_3DS(const Model_3DS&) = delete;
    Model_3DS& operator=(const Model_3DS&) = delete;

    // Lee el archivo y hace las texturas (necesita el contexto de OpenGL).
    // Un archivo que no abre se avisa por la salida de error y deja el
    // modelo vacío.
    void Load(const char* fileName);
    // Lee un modelo ya en memoria y lo deja listo para dibujar. Sin cargarMapas
    // no toca OpenGL y los materiales quedan sin imagen ni color.
    void leer(const unsigned char* datos, size_t largo, bool cargarMapas = false);
    // La textura del color difuso, para cada material que no tuvo mapa.
    void crearTexturasDeColor();
    void Draw() const;

    std::string path;
    int numObjects = 0;
    int numMaterials = 0;
    std::unique_ptr<Material[]> Materials;
    std::unique_ptr<Object[]> Objects;
    float pos[3] = {0.0f, 0.0f, 0.0f};
    float rot[3] = {0.0f, 0.0f, 0.0f};
    float scale = 1.0f;
    bool lit = true;
    bool visible = true;

private:
    void terminar();
};

#endif
