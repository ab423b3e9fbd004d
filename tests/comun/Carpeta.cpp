#include "Carpeta.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

std::string leer(const std::string& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(archivo), std::istreambuf_iterator<char>());
}

namespace {

// Las carpetas vivas, para borrarlas también cuando el proceso termina con
// exit() (el juego ante un bitmap que falta, los hijos de las pruebas de muerte).
std::vector<std::string>& vivas() {
    static std::vector<std::string>* carpetas = nullptr;
    if (carpetas == nullptr) {
        carpetas = new std::vector<std::string>();
        std::atexit([] {
            std::error_code error;
            for (const std::string& c : *carpetas) fs::remove_all(c, error);
        });
    }
    return *carpetas;
}

}  // namespace

Carpeta::Carpeta(bool entrar) {
    char plantilla[] = "/tmp/vq-pruebaXXXXXX";
    if (mkdtemp(plantilla) == nullptr) throw std::runtime_error("mkdtemp");
    camino = plantilla;
    vivas().push_back(camino);
    fs::create_directory(camino + "/resources");
    if (entrar) {
        anterior = fs::current_path();
        fs::current_path(camino);
    }
}

Carpeta::~Carpeta() {
    if (!anterior.empty()) fs::current_path(anterior);
    std::error_code error;
    fs::remove_all(camino, error);
    std::vector<std::string>& v = vivas();
    v.erase(std::remove(v.begin(), v.end(), camino), v.end());
}

std::string Carpeta::escribir(const std::string& nombre, const std::string& contenido) const {
    const std::string ruta = camino + "/" + nombre;
    std::ofstream(ruta, std::ios::binary) << contenido;
    return ruta;
}

void Carpeta::enlazarRecursos() const {
    for (const auto& e : fs::directory_iterator(std::string(RAIZ_REPOSITORIO) + "/resources")) {
        const fs::path destino = camino + "/resources/" + e.path().filename().string();
        if (!fs::exists(destino)) fs::create_symlink(e.path(), destino);
    }
}
