#ifndef VQ_NUMEROS_LINEA_H
#define VQ_NUMEROS_LINEA_H

// Números de siete segmentos hechos con líneas, sin fuente ni textura.
class NumerosLinea {
public:
    static constexpr float ANCHO_LINEA = 2.5f;
    static constexpr float ROJO = 0.3f, VERDE = 0.295f, AZUL = 0.464f;
    static constexpr float PROFUNDIDAD = 0.1f;
    // Segmento del medio: el signo menos de los negativos.
    static constexpr int SEGMENTO_MEDIO = 6;

    static NumerosLinea& getInstance();

    // Dibuja el valor con la celda de su primera cifra en (x, y), en píxeles.
    // Un negativo lleva un signo menos antes de las cifras de su valor absoluto.
    void dibujarNumero(int valor, double tamanio, float x, float y) const;
    void dibujarDigito(int digito, double tamanio, float rojo, float verde, float azul) const;
    // Cifras y guiones (el segmento del medio) desde (x, y); cualquier otro
    // carácter deja su celda vacía.
    void dibujarTexto(const char* texto, double tamanio, float x, float y) const;
    bool encendido(int digito, int segmento) const { return segmentos[digito][segmento] == 1; }

private:
    NumerosLinea();
    void dibujarSegmento(int segmento, double tamanio) const;
    // El color y el ancho de línea, que a escala n es n veces el de siempre.
    void pincel(float rojo, float verde, float azul) const;

    int segmentos[10][7];
};

#endif
