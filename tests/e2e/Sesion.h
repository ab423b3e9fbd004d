#ifndef VQ_SESION_H
#define VQ_SESION_H

#include <string>
#include <vector>

#include "EscritorioX.h"
#include "ProcesoJuego.h"

// Una partida en marcha: el juego arrancado en ventana (el jugador contestó
// "No" a la pantalla completa) y el escritorio desde donde se lo maneja.
struct Sesion {
    EscritorioX x;
    ProcesoJuego juego;
    Window dialogo = 0;
    Window ventana = 0;

    explicit Sesion(const std::vector<std::string>& entorno = {},
                    const std::string& carpeta = RAIZ_REPOSITORIO,
                    const std::string& programa = JUEGO);
    // Captura cuando ya pasaron unos cuadros desde la última acción.
    EscritorioX::Captura mirar();
};

#endif
