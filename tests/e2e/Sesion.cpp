#include "Sesion.h"

#include <chrono>
#include <thread>

Sesion::Sesion(const std::vector<std::string>& entorno, const std::string& carpeta,
               const std::string& programa)
    : juego(carpeta, entorno, programa) {
    dialogo = x.esperarVentana("Pantalla Completa", 15);
    if (dialogo == 0) return;
    x.tocarTecla(dialogo, "n");
    ventana = x.esperarVentana("Vorlix Quintar", 15);
    if (ventana != 0) x.capturarCuandoDibuje(ventana, 10);
}

EscritorioX::Captura Sesion::mirar() {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return x.capturar(ventana);
}
