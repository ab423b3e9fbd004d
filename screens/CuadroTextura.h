#ifndef VQ_CUADRO_TEXTURA_H
#define VQ_CUADRO_TEXTURA_H

// Un rectángulo con textura, en píxeles de la ventana, para la capa 2D.
class CuadroTextura {
public:
    CuadroTextura(float x, float y, float z) : x(x), y(y), z(z) {}
    ~CuadroTextura();
    CuadroTextura(const CuadroTextura&) = delete;
    CuadroTextura& operator=(const CuadroTextura&) = delete;

    void setAncho(float a) { ancho = a; }
    void setAlto(float a) { alto = a; }
    float getAncho() const { return ancho; }
    float getAlto() const { return alto; }
    unsigned int getTextura() const { return textura; }

    void cargarTextura(const char* nombreArchivo);
    // Supone la proyección ortogonal de la ventana y la luz apagada.
    void dibujar() const;

private:
    float x, y, z;
    unsigned int textura = 0;
    float ancho = 0.0f;
    float alto = 0.0f;
};

#endif
