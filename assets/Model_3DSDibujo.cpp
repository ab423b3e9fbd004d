#include <GL/gl.h>


#include "assets/Model_3DS.h"
#include "playfield/Gvector.h"

// Todo lo que el dibujo necesita se prepara aquí una sola vez: normales
// unitarias, coordenadas de textura para cada vértice y caras que sólo
// nombran vértices que existen.
void Model_3DS::terminar() {
    for (int i = 0; i < numObjects; ++i) {
        Object& o = Objects[i];
        for (int v = 0; v < o.numVerts; ++v) {
            float* n = &o.normals[3 * v];
            float largo = raizCuadrada(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
            if (largo == 0.0f) largo = 1.0f;
            for (int k = 0; k < 3; ++k) n[k] /= largo;
        }
        if (o.numTexCoords == 0) {
            // Sin mapeo: la proyección del modelo sobre su plano x-y.
            o.numTexCoords = o.numVerts;
            o.texCoords.resize(2 * static_cast<size_t>(o.numVerts));
            for (int v = 0; v < o.numVerts; ++v) {
                o.texCoords[2 * v] = o.vertices[3 * v];
                o.texCoords[2 * v + 1] = o.vertices[3 * v + 1];
            }
        } else if (o.numTexCoords < o.numVerts) {
            // Un mapeo más corto que la lista de vértices se completa con ceros
            // para que el arreglo cubra todos los vértices que se dibujan.
            o.texCoords.resize(2 * static_cast<size_t>(o.numVerts), 0.0f);
        }
        // Si otra lista de vértices reemplazó a la primera, las caras que
        // nombran vértices de más se descartan.
        const unsigned cantidad = static_cast<unsigned>(o.numVerts);
        for (FaceGroup& g : o.groups) {
            std::vector<unsigned short> validos;
            for (size_t k = 0; k + 2 < g.indices.size(); k += 3) {
                if (g.indices[k] < cantidad && g.indices[k + 1] < cantidad && g.indices[k + 2] < cantidad)
                    validos.insert(validos.end(), &g.indices[k], &g.indices[k] + 3);
            }
            g.indices.swap(validos);
            g.indexCount = static_cast<int>(g.indices.size());
        }
    }
}

void Model_3DS::crearTexturasDeColor() {
    for (int m = 0; m < numMaterials; ++m) {
        Material& material = Materials[m];
        if (material.hasTexture) continue;
        material.texture.BuildColorTexture(material.color[0], material.color[1], material.color[2]);
        material.hasTexture = true;
    }
}

void Model_3DS::Draw() const {
    if (!visible) return;
    glPushMatrix();
    glTranslatef(pos[0], pos[1], pos[2]);
    glRotatef(rot[0], 1.0f, 0.0f, 0.0f);
    glRotatef(rot[1], 0.0f, 1.0f, 0.0f);
    glRotatef(rot[2], 0.0f, 0.0f, 1.0f);
    glScalef(scale, scale, scale);
    for (int i = 0; i < numObjects; ++i) {
        const Object& o = Objects[i];
        if (o.textured) {
            glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        } else {
            glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        }
        if (lit) {
            glEnableClientState(GL_NORMAL_ARRAY);
        } else {
            glDisableClientState(GL_NORMAL_ARRAY);
        }
        glEnableClientState(GL_VERTEX_ARRAY);
        if (o.textured) glTexCoordPointer(2, GL_FLOAT, 0, o.texCoords.data());
        if (lit) glNormalPointer(GL_FLOAT, 0, o.normals.data());
        glVertexPointer(3, GL_FLOAT, 0, o.vertices.data());
        for (const FaceGroup& g : o.groups) {
            if (g.material >= 0) {
                Materials[g.material].texture.Bind();
            } else {
                glBindTexture(GL_TEXTURE_2D, 0);
            }
            glPushMatrix();
            glTranslatef(o.pos[0], o.pos[1], o.pos[2]);
            glRotatef(o.rot[2], 0.0f, 0.0f, 1.0f);
            glRotatef(o.rot[1], 0.0f, 1.0f, 0.0f);
            glRotatef(o.rot[0], 1.0f, 0.0f, 0.0f);
            glDrawElements(GL_TRIANGLES, g.indexCount, GL_UNSIGNED_SHORT, g.indices.data());
            glPopMatrix();
        }
    }
    glPopMatrix();
}
