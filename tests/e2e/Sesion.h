#ifndef VQ_SESION_H
#define VQ_SESION_H

#include <map>
#include <memory>
#include <string>

#include "Carpeta.h"
#include "EscritorioX.h"
#include "ProcesoJuego.h"

// Una partida en marcha: una carpeta con los recursos del repositorio, salvo
// los que la prueba cambia por los suyos; el juego arrancado ahí en ventana
// (el jugador contestó "No" a la pantalla completa) y el escritorio desde
// donde se lo maneja.
class Sesion {
public:
    using Recursos = std::map<std::string, std::string>;

    explicit Sesion(const Recursos& recursos = {}, bool contestar = true,
                    const std::string& programa = JUEGO);
    // Captura cuando ya pasaron unos cuadros desde la última acción.
    EscritorioX::Captura mirar();

    Carpeta carpeta;
    EscritorioX x;
    std::unique_ptr<ProcesoJuego> juego;
    Window dialogo = 0;
    Window ventana = 0;
};

#endif
