#ifndef VQ_ESCALA_H
#define VQ_ESCALA_H

// Cuántas veces más grande que 800 x 600 se ve el juego. Todo se sigue
// midiendo en píxeles de 800 x 600: sólo el tamaño de la ventana, el ancho
// de los trazos y el ratón pasan por el factor.
class Escala {
public:
    // La mayor que quepa en la pantalla.
    static constexpr int AUTOMATICA = 0;
    static constexpr int MAXIMA = 4;

    static Escala* getInstance();

    // "1" a "4" o "auto"; falso si el texto no es ninguno de ellos.
    static bool interpretar(const char* texto, int& pedida);
    static const char* nombre(int pedida);
    // El factor más grande, hasta MAXIMA, con el que 800 x 600 cabe en la pantalla.
    static int automatica(int anchoPantalla, int altoPantalla);

    // Fija el factor con lo pedido y el tamaño de la pantalla que da SDL; lo devuelve.
    int elegir(int pedida);
    int getFactor() const { return factor; }
    // De píxeles de la ventana a píxeles de 800 x 600, truncado hacia cero
    // como las demás cuentas del ratón: n píxeles a escala 1 valen lo mismo
    // que n × factor a escala factor.
    int reducir(int pixeles) const { return pixeles / factor; }

private:
    int factor = 1;
};

#endif
