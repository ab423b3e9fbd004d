#ifndef VQ_MEJOR_PUNTAJE_H
#define VQ_MEJOR_PUNTAJE_H

#include <string>

// El puntaje más alto con que terminó una partida, con su fecha. Se lee al
// arrancar de $XDG_DATA_HOME/vorlix-quintar/mejor-puntaje.txt, se guarda en
// cuanto una partida lo supera y se ve en un recuadro bajo el cartel de
// ganar o perder. Con --sin-configuracion no existe.
class MejorPuntaje {
public:
    // El recuadro, en píxeles de la capa 2D: sus números empiezan en (X, Y).
    static constexpr float X = 158.0f, Y = 193.0f;

    MejorPuntaje();

    // El texto de un archivo de puntaje; falso, con el motivo, si no lo es.
    static bool interpretar(const std::string& texto, int& puntos, std::string& fecha,
                            std::string& motivo);

    // Una partida terminó con esos puntos: si superan al mejor (o no lo
    // había y son más de 0), pasan a serlo con la fecha de hoy, se anuncia en
    // la salida y se guarda. Devuelve si hubo uno nuevo.
    bool registrar(int puntos);
    // El recuadro con el puntaje y la fecha, si hay un mejor puntaje.
    void dibujar() const;

private:
    void componer(int puntos, const std::string& fecha);

    // Vacía si no se lee ni se guarda.
    std::string ruta;
    int puntos = -1;  // sin mejor puntaje
    // Lo que se dibuja: el puntaje, dos celdas vacías y la fecha.
    char linea[32] = "";
};

#endif
