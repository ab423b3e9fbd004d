#ifndef VQ_SESION_H
#define VQ_SESION_H

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Carpeta.h"
#include "EscritorioX.h"
#include "ProcesoJuego.h"

// El juego arrancado en ventana ("No" a la pantalla completa, o --ventana) en una carpeta
// con los recursos del repositorio, salvo los que cambia la prueba, y el escritorio que lo maneja.
class Sesion {
public:
    using Recursos = std::map<std::string, std::string>;

    explicit Sesion(const Recursos& recursos = {}, bool contestar = true,
                    const std::string& programa = JUEGO, const std::vector<std::string>& argumentos = {});
    // Arranca el juego otra vez en la misma carpeta.
    void arrancar(const std::vector<std::string>& argumentos, bool contestar = true,
                  const std::string& programa = JUEGO);
    // Captura cuando ya pasaron unos cuadros desde la última acción.
    EscritorioX::Captura mirar();
    // Captura hasta que se cumpla la condición o pasen los segundos; devuelve la última.
    EscritorioX::Captura esperar(const std::function<bool(const EscritorioX::Captura&)>& listo,
                                 double segundos);

    Carpeta carpeta;
    EscritorioX x;
    std::unique_ptr<ProcesoJuego> juego;
    Window dialogo = 0;
    Window ventana = 0;
};

#endif
