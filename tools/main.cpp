// generar-recursos: hace las imágenes, los niveles y el modelo del cañón del juego.
//
//   generar-recursos [DIRECTORIO]   escribe todo en DIRECTORIO (resources)
#include <iostream>
#include <string>

#include "tools/Generador.h"

int main(int argc, char** argv) {
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        std::cerr << "Uso: generar-recursos [DIRECTORIO]\n";
        return 2;
    }
    const std::string directorio = argc == 2 ? argv[1] : "resources";
    if (!Generador(directorio).generarTodo()) return 1;
    std::cout << "Recursos escritos en " << directorio << "\n";
    return 0;
}
