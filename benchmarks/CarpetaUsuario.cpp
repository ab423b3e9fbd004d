#include "CarpetaUsuario.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "core/Configuracion.h"

namespace fs = std::filesystem;

namespace {

const char* const VARIABLES[2] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME"};
const char* const SUBCARPETAS[2] = {"config", "datos"};

}  // namespace

CarpetaUsuario::CarpetaUsuario(bool conArchivos) {
    char plantilla[] = "/tmp/vq-usuarioXXXXXX";
    if (mkdtemp(plantilla) == nullptr) throw std::runtime_error("mkdtemp");
    carpeta = plantilla;
    for (int i = 0; i < 2; i++) {
        const char* valor = std::getenv(VARIABLES[i]);
        habia[i] = valor != nullptr;
        if (habia[i]) anteriores[i] = valor;
        const fs::path propia = fs::path(carpeta) / SUBCARPETAS[i];
        setenv(VARIABLES[i], propia.c_str(), 1);
        if (conArchivos) fs::create_directories(propia / "vorlix-quintar");
    }
    if (!conArchivos) return;
    std::ofstream(carpeta + "/config/vorlix-quintar/ajustes.txt")
        << Configuracion::escribir(Configuracion::Ajustes());
    std::ofstream(carpeta + "/datos/vorlix-quintar/mejor-puntaje.txt")
        << "# Mejor puntaje de Vorlix Quintar y el día en que se hizo.\npuntaje = 12345\n"
           "fecha = 2026-12-07\n";
}

CarpetaUsuario::~CarpetaUsuario() {
    for (int i = 0; i < 2; i++) {
        if (habia[i]) {
            setenv(VARIABLES[i], anteriores[i].c_str(), 1);
        } else {
            unsetenv(VARIABLES[i]);
        }
    }
    std::error_code error;
    fs::remove_all(carpeta, error);
}
