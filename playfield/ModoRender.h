#ifndef VQ_MODO_RENDER_H
#define VQ_MODO_RENDER_H

// Cómo se dibujan los sólidos de la escena. Quien cambia el modo enciende
// uno solo de los cuatro interruptores y apaga los demás.
class ModoRender {
public:
    static ModoRender* getInstance();

    void setFacetado(bool v) { facetado = v; }
    void setInterpolado(bool v) { interpolado = v; }
    void setTexturado(bool v) { texturado = v; }
    void setWireframe(bool v) { wireframe = v; }
    bool isFacetado() const { return facetado; }
    bool isInterpolado() const { return interpolado; }
    bool isTexturado() const { return texturado; }
    bool isWireframe() const { return wireframe; }

    // Deja encendido sólo el modo indicado, en el orden de siempre.
    void elegir(bool facetado, bool interpolado, bool texturado, bool wireframe);

    // Los tres pasos de los objetos sin textura: alambre, suave y plano, en ese orden.
    void aplicarSinTextura() const;

private:
    ModoRender() = default;

    bool facetado = false;
    bool interpolado = false;
    bool texturado = true;
    bool wireframe = false;
};

#endif
