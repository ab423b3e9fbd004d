#include "CarpetaJuego.h"

#include <fstream>
#include <stdexcept>
#include <stdlib.h>

namespace fs = std::filesystem;

CarpetaJuego::CarpetaJuego(const std::map<std::string, std::string>& propios) {
    char plantilla[] = "/tmp/vq-juegoXXXXXX";
    if (mkdtemp(plantilla) == nullptr) throw std::runtime_error("mkdtemp");
    ruta = plantilla;
    fs::create_directory(ruta / "resources");
    for (const auto& e : fs::directory_iterator(fs::path(RAIZ_REPOSITORIO) / "resources")) {
        const std::string nombre = e.path().filename();
        if (propios.count(nombre) == 0) fs::create_symlink(e.path(), ruta / "resources" / nombre);
    }
    for (const auto& [nombre, bytes] : propios)
        std::ofstream(ruta / "resources" / nombre, std::ios::binary) << bytes;
}

CarpetaJuego::~CarpetaJuego() {
    std::error_code error;
    fs::remove_all(ruta, error);
}
