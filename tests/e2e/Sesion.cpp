#include "Sesion.h"

#include <chrono>
#include <thread>

Sesion::Sesion(const Recursos& recursos, bool contestar, const std::string& programa) {
    for (const auto& [nombre, bytes] : recursos) carpeta.escribir("resources/" + nombre, bytes);
    carpeta.enlazarRecursos();
    juego = std::make_unique<ProcesoJuego>(carpeta.ruta(), programa);
    dialogo = x.esperarVentana("Pantalla Completa");
    if (dialogo == 0 || !contestar) return;
    x.tocarTecla(dialogo, "n");
    esperarQue([&] { return (ventana = x.esperarVentana("Vorlix Quintar", 0)) != 0 || juego->esperarFin(0) >= 0; });
    if (ventana != 0) mirar();
}

EscritorioX::Captura Sesion::mirar() {
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    return x.capturar(ventana);
}
