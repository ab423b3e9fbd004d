#include "Sesion.h"

#include <chrono>
#include <thread>

Sesion::Sesion(const Recursos& recursos, bool contestar, const std::string& programa,
               const std::vector<std::string>& argumentos) {
    for (const auto& [nombre, bytes] : recursos) carpeta.escribir("resources/" + nombre, bytes);
    carpeta.enlazarRecursos();
    juego = std::make_unique<ProcesoJuego>(carpeta.ruta(), programa, argumentos);
    dialogo = x.esperarVentana("Pantalla Completa", 15);
    if (dialogo == 0 || !contestar) return;
    x.tocarTecla(dialogo, "n");
    ventana = x.esperarVentana("Vorlix Quintar", 15);
    if (ventana != 0) mirar();
}

EscritorioX::Captura Sesion::mirar() {
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    return x.capturar(ventana);
}
