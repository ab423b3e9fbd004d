// gtest antes que Xlib: las macros de X (None, Bool) chocan con sus plantillas.
#include <gtest/gtest-spi.h>

#include "Sesion.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
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
        dialogo = x.esperarVentana("Pantalla Completa");
        if (dialogo == 0 || !contestar) return;
        x.tocarTecla(dialogo, "n");
    }
    esperarQue([&] { return (ventana = x.esperarVentana("Vorlix Quintar", 0)) != 0 || juego->esperarFin(0) >= 0; });
}

EscritorioX::Captura Sesion::mirar() {
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    return x.capturar(ventana);
}

EscritorioX::Captura Sesion::esperar(const std::function<void(const EscritorioX::Captura&)>& comprobar) {
    EscritorioX::Captura c;
    const auto pasa = [&] {
        testing::TestPartResultArray fallas;
        testing::ScopedFakeTestPartResultReporter aparte(&fallas);
        comprobar(c = x.capturar(ventana));
        return fallas.size() == 0;
    };
    if (esperarQue(pasa, vencidas > 0 ? 0 : PLAZO)) return c;
    const std::string ruta = COMPILACION "/captura-" + std::to_string(getpid()) + "-" + std::to_string(++vencidas) + ".ppm";
    std::ofstream archivo(ruta, std::ios::binary);
    archivo << "P6\n" << c.ancho << " " << c.alto << "\n255\n";
    for (const EscritorioX::Color& p : c.pixeles) archivo << char(p.r) << char(p.g) << char(p.b);
    SCOPED_TRACE("no se cumplió a tiempo; la última captura: " + ruta);
    comprobar(c);
    return c;
}
