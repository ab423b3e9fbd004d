#ifndef VQ_HERRAMIENTAS_TORNO_H
#define VQ_HERRAMIENTAS_TORNO_H

#include <string>
#include <vector>

#include "tools/Malla.h"
#include "tools/Punto.h"

// Hace superficies de revolución alrededor de un eje. La sección puede ser
// una elipse: radio1 va hacia `lado` y radio2 hacia eje × lado.
//
// El perfil se recorre dejando el exterior a la izquierda en el plano
// (a lo largo del eje, radio): hacia adelante por fuera, hacia atrás por
// dentro. Así las caras quedan antihorarias vistas desde fuera.
class Torno {
public:
    struct Paso {
        double a;  // distancia a lo largo del eje desde el centro
        double radio1, radio2;
        double t;  // coordenada de textura de todo el anillo
    };

    // eje y lado, unitarios y perpendiculares; la costura de la textura (s = 0)
    // queda del lado de `lado`.
    Torno(const Punto& centro, const Punto& eje, const Punto& lado, int lados);

    // Cada llamada hace un tramo con sus propios vértices: entre tramos queda
    // una arista viva.
    void tornear(Malla& malla, const std::vector<Paso>& perfil, const std::string& material) const;

private:
    Punto centro, eje, lado1, lado2;
    int lados;
};

#endif
