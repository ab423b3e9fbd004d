#include "tools/Generador.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "tools/CompositorSonidos.h"
#include "tools/DisenadorNiveles.h"
#include "tools/Escritor3ds.h"
#include "tools/EscritorPng.h"
#include "tools/ModeloCanion.h"
#include "tools/PintorAjustes.h"
#include "tools/PintorAyuda.h"
#include "tools/PintorCarteles.h"
#include "tools/PintorFondos.h"
#include "tools/PintorIcono.h"
#include "tools/PintorPanel.h"
#include "tools/PintorTexturas.h"
#include "tools/Tipografia.h"

namespace {

const char* const FUENTE_NORMAL = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const FUENTE_NEGRITA = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

// Más de un tercio de piezas en el mismo lugar haría dos niveles casi iguales.
constexpr double PARECIDO_MAXIMO = 1.0 / 3.0;

}  // namespace

bool Generador::guardar(const Lienzo& lienzo, const char* nombre) {
    const std::string ruta = directorio + "/" + nombre;
    if (lienzo.guardarBmp(ruta)) return true;
    std::cerr << "No se puede escribir " << ruta << "\n";
    return false;
}

bool Generador::escribir(const std::string& contenido, const char* nombre) {
    return escribirEnRuta(contenido, directorio + "/" + nombre);
}

bool Generador::escribirEnRuta(const std::string& contenido, const std::string& ruta) {
    FILE* archivo = std::fopen(ruta.c_str(), "wb");
    bool bien =
        archivo && std::fwrite(contenido.data(), 1, contenido.size(), archivo) == contenido.size();
    if (archivo) bien = std::fclose(archivo) == 0 && bien;
    if (!bien) std::cerr << "No se puede escribir " << ruta << "\n";
    return bien;
}

bool Generador::niveles() {
    const Nivel niveles[3] = {DisenadorNiveles::ondas(), DisenadorNiveles::anillos(),
                              DisenadorNiveles::espiral()};
    bool validos = true;
    for (int i = 0; i < 3; ++i) {
        for (const std::string& falla : niveles[i].verificar()) {
            std::cerr << "pantalla" << i + 1 << ".txt: " << falla << "\n";
            validos = false;
        }
        for (int j = i + 1; j < 3; ++j) {
            const size_t menor =
                std::min(niveles[i].getPiezas().size(), niveles[j].getPiezas().size());
            if (niveles[i].coincidencias(niveles[j]) > PARECIDO_MAXIMO * menor) {
                std::cerr << "pantalla" << i + 1 << ".txt y pantalla" << j + 1
                          << ".txt: demasiadas piezas en los mismos lugares\n";
                validos = false;
            }
        }
    }
    if (!validos) {
        std::cerr << "No se escribió ningún nivel.\n";
        return false;
    }
    static const char* const NOMBRES[3] = {"pantalla1.txt", "pantalla2.txt", "pantalla3.txt"};
    for (int i = 0; i < 3; ++i) {
        if (!escribir(niveles[i].aTexto(), NOMBRES[i])) return false;
        std::cout << NOMBRES[i] << ": " << niveles[i].getPiezas().size() << " piezas, por tipo "
                  << niveles[i].contar(0) << " " << niveles[i].contar(1) << " "
                  << niveles[i].contar(2) << " " << niveles[i].contar(3) << "\n";
    }
    return true;
}

bool Generador::canion() {
    const ModeloCanion modelo;
    Escritor3ds escritor;
    if (!modelo.escribirEn(escritor)) {
        std::cerr << "hyperb.3ds: el modelo no cabe en el formato\n";
        return false;
    }
    if (!escribir(escritor.contenido(), "hyperb.3ds")) return false;
    std::cout << "hyperb.3ds: caño " << modelo.getCanio().getCaras().size()
              << " triángulos, montura " << modelo.getMontura().getCaras().size()
              << " triángulos\n";
    return true;
}

bool Generador::sonidos() {
    struct Sonido {
        const char* nombre;
        Onda onda;
    };
    const Sonido sonidos[] = {
        {"disparo.wav", CompositorSonidos::disparo()},
        {"pieza0.wav", CompositorSonidos::pieza(0)},
        {"pieza1.wav", CompositorSonidos::pieza(1)},
        {"pieza2.wav", CompositorSonidos::pieza(2)},
        {"pieza3.wav", CompositorSonidos::pieza(3)},
        {"pared.wav", CompositorSonidos::pared()},
        {"extremo.wav", CompositorSonidos::extremo()},
        {"atrapada.wav", CompositorSonidos::atrapada()},
        {"salida.wav", CompositorSonidos::salida()},
        {"desaparecen.wav", CompositorSonidos::desaparecen()},
        {"nivel.wav", CompositorSonidos::nivel()},
        {"victoria.wav", CompositorSonidos::victoria()},
        {"derrota.wav", CompositorSonidos::derrota()},
        {"boton.wav", CompositorSonidos::boton()},
        {"tick.wav", CompositorSonidos::tick()},
        {"chispas.wav", CompositorSonidos::chispas()},
    };
    size_t bytes = 0;
    for (const Sonido& s : sonidos) {
        const std::string wav = s.onda.aWav();
        if (!escribir(wav, s.nombre)) return false;
        bytes += wav.size();
    }
    std::cout << "sonidos: " << std::size(sonidos) << " archivos, " << bytes / 1024 << " KiB\n";
    return true;
}

bool Generador::iconos() {
    if (directorioIconos.empty()) return true;
    for (const int lado : PintorIcono::LADOS) {
        const std::string png =
            EscritorPng::codificar(PintorIcono::pintar(lado), PintorIcono::opacidad(lado));
        const std::string ruta =
            directorioIconos + "/vorlix-quintar-" + std::to_string(lado) + ".png";
        if (png.empty()) {
            std::cerr << "No se puede comprimir " << ruta << "\n";
            return false;
        }
        if (!escribirEnRuta(png, ruta)) return false;
    }
    return true;
}

bool Generador::generarTodo() {
    Tipografia normal(FUENTE_NORMAL), negrita(FUENTE_NEGRITA);
    if (!normal.isCargada() || !negrita.isCargada()) {
        std::cerr << "No se pueden abrir las fuentes DejaVu (paquete fonts-dejavu-core)\n";
        return false;
    }
    if (!niveles()) return false;
    PintorPanel panel(normal, negrita);
    PintorAjustes ajustes(normal, negrita);
    PintorAyuda ayuda(normal, negrita);
    PintorCarteles carteles(normal, negrita);
    // Cada uno con su motivo, para avisar de todos los textos que no caben.
    std::string errores[4];
    const Lienzo paginaAyuda = ayuda.pagina(errores[0]);
    const Lienzo menu = panel.menu(errores[1]);
    const Lienzo ganar = carteles.ganar(errores[2]);
    const Lienzo perder = carteles.perder(errores[3]);
    bool caben = true;
    for (const std::string& error : errores) {
        if (error.empty()) continue;
        std::cerr << error << "\n";
        caben = false;
    }
    if (!caben) return false;
    return guardar(PintorFondos::atardecerMarino(), "pantalla1.bmp") &&
           guardar(PintorFondos::planetaAnillado(), "pantalla2.bmp") &&
           guardar(PintorFondos::cordillera(), "pantalla3.bmp") && guardar(menu, "menu.bmp") &&
           guardar(panel.boton("Ayuda"), "ayuda_button.bmp") &&
           guardar(panel.boton("Ajustes"), "Ajustes.bmp") &&
           guardar(panel.boton("Volver"), "salir_button.bmp") &&
           guardar(paginaAyuda, "ayuda.bmp") && guardar(ajustes.pagina(), "configuracion.bmp") &&
           guardar(PintorAjustes::tick(), "tick.bmp") && guardar(ganar, "ganar.bmp") &&
           guardar(perder, "perder.bmp") && guardar(PintorTexturas::aceroCanion(), "hyperb.bmp") &&
           guardar(PintorTexturas::chispa(), "particle.bmp") && canion() && sonidos() && iconos();
}
