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

// El juego arrancado en ventana ("No" a la pantalla completa, o --ventana; sin ventana si termina
// antes) en una carpeta con los recursos del repositorio, salvo los que cambia la prueba, y el
// escritorio que lo maneja.
class Sesion {
public:
    using Recursos = std::map<std::string, std::string>;

    explicit Sesion(const Recursos& recursos = {}, bool contestar = true,
                    const std::string& programa = JUEGO, const std::vector<std::string>& argumentos = {});
    // Arranca el juego otra vez en la misma carpeta.
    void arrancar(const std::vector<std::string>& argumentos, bool contestar = true,
                  const std::string& programa = JUEGO);
    EscritorioX::Captura mirar();  // tras una pausa, para ver que algo se queda quieto
    // Captura hasta que pasen las comprobaciones; vencido el plazo valen las fallas de la
    // última captura, que queda en la compilación, y la sesión ya no espera más.
    EscritorioX::Captura esperar(const std::function<void(const EscritorioX::Captura&)>& comprobar);

    Carpeta carpeta;
    EscritorioX x;
    std::unique_ptr<ProcesoJuego> juego;
    Window dialogo = 0;
    Window ventana = 0;
    int vencidas = 0;
};

#endif
