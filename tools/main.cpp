// generar-recursos: hace las imágenes y los niveles del juego.
//
//   generar-recursos [DIRECTORIO]          escribe todo en DIRECTORIO (resources)
//   generar-recursos --verificar ARCHIVO   revisa un nivel con las reglas del juego
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "tools/Generador.h"
#include "tools/Nivel.h"

namespace {

int verificar(const std::string& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    if (!archivo) {
        std::cerr << "No se puede leer " << ruta << "\n";
        return 1;
    }
    std::ostringstream contenido;
    contenido << archivo.rdbuf();
    Nivel nivel;
    std::string error;
    if (!nivel.desdeTexto(contenido.str(), error)) {
        std::cerr << ruta << ": " << error << "\n";
        return 1;
    }
    const auto fallas = nivel.verificar();
    for (const std::string& falla : fallas) std::cerr << ruta << ": " << falla << "\n";
    if (!fallas.empty()) return 1;
    std::cout << ruta << ": correcto, " << nivel.getPiezas().size() << " piezas\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--verificar") return verificar(argv[2]);
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        std::cerr << "Uso: generar-recursos [DIRECTORIO]\n"
                     "     generar-recursos --verificar ARCHIVO\n";
        return 2;
    }
    const std::string directorio = argc == 2 ? argv[1] : "resources";
    if (!Generador(directorio).generarTodo()) return 1;
    std::cout << "Recursos escritos en " << directorio << "\n";
    return 0;
}
