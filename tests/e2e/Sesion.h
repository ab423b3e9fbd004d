#ifndef VQ_SESION_H
#define VQ_SESION_H

#include <map>
#include <memory>
#include <string>

#include "Carpeta.h"
#include "EscritorioX.h"
#include "ProcesoJuego.h"

// El juego arrancado en ventana ("No" a la pantalla completa) en una carpeta con los
// recursos del repositorio, salvo los que cambia la prueba, y el escritorio que lo maneja.
class Sesion {
public:
    using Recursos = std::map<std::string, std::string>;

    explicit Sesion(const Recursos& recursos = {}, bool contestar = true,
                    const std::string& programa = JUEGO, const std::vector<std::string>& argumentos = {});
    // Captura cuando ya pasaron unos cuadros desde la última acción.
    EscritorioX::Captura mirar();

    Carpeta carpeta;
    EscritorioX x;
    std::unique_ptr<ProcesoJuego> juego;
    Window dialogo = 0;
    Window ventana = 0;
};

#endif
