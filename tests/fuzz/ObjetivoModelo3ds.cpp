// Objetivo de fuzzing del lector de modelos 3DS: además de no leer ni
// escribir fuera de sus arreglos, lo leído tiene que poder dibujarse.
#include <cstdint>
#include <cstdlib>

#include "assets/Model_3DS.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo) {
    Model_3DS modelo;
    modelo.path = "resources/";
    modelo.leer(datos, largo);
    for (int i = 0; i < modelo.numObjects; ++i) {
        const Model_3DS::Object& o = modelo.Objects[i];
        const size_t n = static_cast<size_t>(o.numVerts);
        if (o.vertices.size() != 3 * n || o.normals.size() != 3 * n || o.texCoords.size() < 2 * n)
            std::abort();
        for (const Model_3DS::FaceGroup& g : o.groups) {
            if (g.material < -1 || g.material >= modelo.numMaterials) std::abort();
            if (g.indices.size() != static_cast<size_t>(g.indexCount)) std::abort();
            for (unsigned short v : g.indices)
                if (v >= n) std::abort();
        }
    }
    return 0;
}
