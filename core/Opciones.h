#ifndef VQ_OPCIONES_H
#define VQ_OPCIONES_H

// Lo que se pide en la línea de órdenes. Sin opciones, el juego pregunta
// por la pantalla completa y usa los ajustes guardados.
class Opciones {
public:
    enum class Pantalla { Preguntar, Ventana, Completa };
    // Jugar: seguir con el juego; Salir: terminar con 0 (la ayuda, la
    // versión); Error: terminar con 2 (ya se dijo por qué en la salida de error).
    enum class Resultado { Jugar, Salir, Error };
    // Sin --escala vale la de los ajustes guardados.
    static constexpr int ESCALA_NO_PEDIDA = -1;

    static Opciones* getInstance();

    Resultado analizar(int argc, char* argv[]);

    Pantalla getPantalla() const { return pantalla; }
    void setPantalla(Pantalla p) { pantalla = p; }
    // 1 a 4, Escala::AUTOMATICA o ESCALA_NO_PEDIDA.
    int getEscala() const { return escala; }
    void setEscala(int e) { escala = e; }
    // Ni se leen ni se guardan los ajustes y el mejor puntaje.
    bool isSinConfiguracion() const { return sinConfiguracion; }
    void setSinConfiguracion(bool s) { sinConfiguracion = s; }

private:
    Pantalla pantalla = Pantalla::Preguntar;
    int escala = ESCALA_NO_PEDIDA;
    bool sinConfiguracion = false;
};

#endif
