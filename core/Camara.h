#ifndef VQ_CAMARA_H
#define VQ_CAMARA_H

class Gvector;

// La cámara de la escena: la perspectiva, fijada al crearla, y un ojo, un
// centro y un vector arriba que se aplican al empezar cada cuadro.
class Camara {
public:
    // Multiplica la matriz actual (la de proyección) por la perspectiva.
    Camara();
    ~Camara();
    Camara(const Camara&) = delete;
    Camara& operator=(const Camara&) = delete;

    void setOjo(float x, float y, float z);
    void setCentro(float x, float y, float z);
    void setArriba(float x, float y, float z);
    const Gvector& getOjo() const { return *ojo; }
    const Gvector& getCentro() const { return *centro; }
    const Gvector& getArriba() const { return *arriba; }

    void mirar() const;

private:
    Gvector* ojo;
    Gvector* centro;
    Gvector* arriba;
};

#endif
