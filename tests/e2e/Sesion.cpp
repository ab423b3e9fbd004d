#include "Sesion.h"

#include <algorithm>
#include <chrono>
#include <thread>

Sesion::Sesion(const Recursos& recursos, bool contestar, const std::string& programa,
               const std::vector<std::string>& argumentos) {
    for (const auto& [nombre, bytes] : recursos) carpeta.escribir("resources/" + nombre, bytes);
    carpeta.enlazarRecursos();
    arrancar(argumentos, contestar, programa);
}

void Sesion::arrancar(const std::vector<std::string>& argumentos, bool contestar, const std::string& programa) {
    juego = std::make_unique<ProcesoJuego>(carpeta.ruta(), programa, argumentos);
    dialogo = ventana = 0;
    if (std::find(argumentos.begin(), argumentos.end(), "--ventana") == argumentos.end()) {
        dialogo = x.esperarVentana("Pantalla Completa", 15);
        if (dialogo == 0 || !contestar) return;
        x.tocarTecla(dialogo, "n");
    }
    ventana = x.esperarVentana("Vorlix Quintar", 15);
    if (ventana != 0) mirar();
}

EscritorioX::Captura Sesion::mirar() {
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    return x.capturar(ventana);
}

EscritorioX::Captura Sesion::esperar(const std::function<bool(const EscritorioX::Captura&)>& listo,
                                     double segundos) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::duration<double>(segundos);
    EscritorioX::Captura c = x.capturar(ventana);
    while (!listo(c) && std::chrono::steady_clock::now() < limite) c = mirar();
    return c;
}
