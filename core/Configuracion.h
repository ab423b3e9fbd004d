#ifndef VQ_CONFIGURACION_H
#define VQ_CONFIGURACION_H

#include <string>
#include <vector>

class Juego;

// Los ajustes que el jugador se lleva de una vez a la siguiente: el modo de
// dibujo, las tres luces, la velocidad y la escala. Se leen al abrir la
// ventana, de $XDG_CONFIG_HOME/vorlix-quintar/ajustes.txt, y se guardan
// cuando el juego termina bien. Un archivo que no se entiende se dice en la
// salida de error y se juega con los de siempre.
class Configuracion {
public:
    enum Modo { ALAMBRE, PLANO, SUAVE, TEXTURADO };
    struct Ajustes {
        int modo = TEXTURADO;
        bool luces[3] = {true, true, true};  // ambiental, difusa, especular
        int velocidad = 4;  // lugar en la tabla de velocidades del juego
        int escala = 1;     // 1 a 4 o Escala::AUTOMATICA
    };

    static Configuracion* getInstance();

    // El texto de un archivo de ajustes; falso, con el motivo, si no lo es.
    // Las claves que faltan quedan como estaban.
    static bool interpretar(const std::string& texto, Ajustes& ajustes, std::string& motivo);
    static std::string escribir(const Ajustes& ajustes);

    // En una línea de palabras, para las partidas grabadas: "MODO A D E VELOCIDAD ESCALA",
    // con las luces en 1 o 0 y la escala ya elegida (1 a 4).
    static std::string describir(const Ajustes& ajustes);
    static bool leerDescripcion(const std::vector<std::string>& palabras, Ajustes& ajustes);
    // Los del juego tal como está ahora, con la escala dada.
    static Ajustes delJuego(Juego& juego, int escala);
    // Lleva al juego el modo, las luces y la velocidad.
    static void aplicar(const Ajustes& ajustes, Juego& juego);

    // La de --escala, si no la guardada.
    int getEscala() const { return ajustes.escala; }
    // Lleva al juego el modo, las luces y la velocidad leídos, si se leyó algo.
    void aplicar(Juego& juego) const;
    // Guarda lo que el juego tiene ahora.
    void guardar(Juego& juego);

private:
    Configuracion();

    // Vacía con --sin-configuracion: ni se lee ni se guarda.
    std::string ruta;
    Ajustes ajustes;
    bool leidos = false;
};

#endif
