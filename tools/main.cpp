// generar-recursos: hace las imágenes, los niveles, el modelo del cañón y los sonidos del juego.
//
//   generar-recursos [--iconos ICONOS] [DIRECTORIO]
//       escribe todo en DIRECTORIO (resources) y, con --iconos, los iconos
//       del escritorio en ICONOS
#include <iostream>
#include <string>

#include "tools/Generador.h"

int main(int argc, char** argv) {
    int primero = 1;
    std::string iconos;
    if (argc >= 3 && std::string(argv[1]) == "--iconos") {
        iconos = argv[2];
        primero = 3;
    }
    const int resto = argc - primero;
    if (resto > 1 || (resto == 1 && argv[primero][0] == '-')) {
        std::cerr << "Uso: generar-recursos [--iconos ICONOS] [DIRECTORIO]\n";
        return 2;
    }
    const std::string directorio = resto == 1 ? argv[primero] : "resources";
    if (!Generador(directorio, iconos).generarTodo()) return 1;
    std::cout << "Recursos escritos en " << directorio << "\n";
    return 0;
}
