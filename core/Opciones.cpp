#include "core/Opciones.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/Escala.h"

namespace {

const char* const PROGRAMA = "vorlix-quintar";

// Cada opción: su nombre, el nombre de su valor (nulo si no lleva), su línea
// de ayuda y lo que hace; aplicar devuelve falso si el valor no sirve.
struct Definicion {
    const char* nombre;
    const char* valor;
    const char* ayuda;
    bool (*aplicar)(Opciones& o, const char* valor);
};

// El lanzador instalado entra en la carpeta de los datos antes de arrancar el
// juego y deja en VQ_CARPETA_LLAMADA la carpeta desde donde se lo llamó: un
// archivo relativo de la línea de órdenes se busca allí.
std::string rutaDeLlamada(const char* valor) {
    const char* carpeta = std::getenv("VQ_CARPETA_LLAMADA");
    if (valor[0] == '/' || carpeta == nullptr || carpeta[0] == '\0') return valor;
    return std::string(carpeta) + "/" + valor;
}

const Definicion DEFINICIONES[] = {
    {"--ventana", nullptr, "juega en una ventana, sin preguntar",
     [](Opciones& o, const char*) {
         o.setPantalla(Opciones::Pantalla::Ventana);
         return true;
     }},
    {"--pantalla-completa", nullptr, "juega en pantalla completa, sin preguntar",
     [](Opciones& o, const char*) {
         o.setPantalla(Opciones::Pantalla::Completa);
         return true;
     }},
    {"--grabar", "ARCHIVO", "graba la partida en ARCHIVO (texto, línea por línea)",
     [](Opciones& o, const char* v) {
         o.setGrabar(rutaDeLlamada(v));
         return v[0] != '\0';
     }},
    {"--repetir", "ARCHIVO", "repite la partida grabada en ARCHIVO y sigue jugando",
     [](Opciones& o, const char* v) {
         o.setRepetir(rutaDeLlamada(v));
         return v[0] != '\0';
     }},
    {"--rapido", nullptr, "repite sin esperar entre cuadros, tan rápido como se dibuje",
     [](Opciones& o, const char*) {
         o.setRapido();
         return true;
     }},
    {"--salir-al-final", nullptr, "termina con 0 al final de la repetición",
     [](Opciones& o, const char*) {
         o.setSalirAlFinal();
         return true;
     }},
    {"--detener-en-marcas", nullptr, "se detiene (SIGSTOP) en cada marca de la repetición",
     [](Opciones& o, const char*) {
         o.setDetenerEnMarcas();
         return true;
     }},
    {"--sin-sonido", nullptr, "empieza sin sonido (la tecla M lo enciende)",
     [](Opciones& o, const char*) {
         o.setSonido(false);
         return true;
     }},
    {"--escala", "N|auto", "N veces más grande (1 a 4; auto, lo que quepa)",
     [](Opciones& o, const char* valor) {
         int escala = 1;
         if (!Escala::interpretar(valor, escala)) return false;
         o.setEscala(escala);
         return true;
     }},
    {"--sin-configuracion", nullptr, "sin leer ni guardar ajustes ni mejor puntaje",
     [](Opciones& o, const char*) {
         o.setSinConfiguracion(true);
         return true;
     }},
};

void uso(std::FILE* salida) {
    std::fprintf(salida,
                 "Uso: %s [OPCIÓN]...\n"
                 "Juego de arcade en 3D: un cañón, una bola y un tablero de piezas.\n\n",
                 PROGRAMA);
    for (const Definicion& d : DEFINICIONES) {
        char nombre[64];
        std::snprintf(nombre, sizeof nombre, "%s%s%s", d.nombre, d.valor ? " " : "",
                      d.valor ? d.valor : "");
        std::fprintf(salida, "  %-26s %s\n", nombre, d.ayuda);
    }
    std::fprintf(salida, "  %-26s %s\n  %-26s %s\n", "--help", "muestra esta ayuda y termina",
                 "--version", "muestra la versión y termina");
    std::fprintf(salida,
                 "\nAl salir guarda el modo de dibujo, las luces, la velocidad y la escala en\n"
                 "$XDG_CONFIG_HOME/vorlix-quintar/ajustes.txt (si no, en ~/.config/...).\n"
                 "El mejor puntaje, con su fecha, queda en\n"
                 "$XDG_DATA_HOME/vorlix-quintar/mejor-puntaje.txt (si no, en ~/.local/share/...).\n");
}

}  // namespace

Opciones* Opciones::getInstance() {
    static Opciones instancia;
    return &instancia;
}

Opciones::Resultado Opciones::analizar(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0) {
            uso(stdout);
            return Resultado::Salir;
        }
        if (std::strcmp(arg, "--version") == 0) {
            std::printf("%s %s\n", PROGRAMA, VQ_VERSION);
            return Resultado::Salir;
        }
        const Definicion* definicion = nullptr;
        for (const Definicion& d : DEFINICIONES) {
            if (std::strcmp(arg, d.nombre) == 0) definicion = &d;
        }
        if (definicion == nullptr) {
            std::fprintf(stderr, "%s: opción desconocida: %s\n", PROGRAMA, arg);
            uso(stderr);
            return Resultado::Error;
        }
        const char* valor = nullptr;
        if (definicion->valor != nullptr) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "%s: %s necesita %s\n", PROGRAMA, arg, definicion->valor);
                uso(stderr);
                return Resultado::Error;
            }
            valor = argv[++i];
        }
        if (!definicion->aplicar(*this, valor)) {
            std::fprintf(stderr, "%s: valor no válido para %s: %s\n", PROGRAMA, arg, valor ? valor : "");
            uso(stderr);
            return Resultado::Error;
        }
    }
    return Resultado::Jugar;
}
