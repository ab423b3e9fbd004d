#include "screens/Niveles.h"

#include <string>

#include "core/Juego.h"
#include "screens/CargadorNivel.h"
#include "screens/Interfaz.h"

namespace {

// Lugar del dígito del nivel en los dos nombres de archivo.
const std::size_t LUGAR_DIGITO = 18;

}  // namespace

Niveles* Niveles::getInstance() {
    static Niveles* instancia = new Niveles();
    return instancia;
}

void Niveles::siguienteNivel() {
    nivel++;
    if (nivel == CANTIDAD + 1) nivel = 1;
    std::string texto = "resources/pantallaX.txt";
    std::string imagen = "resources/pantallaX.bmp";
    texto[LUGAR_DIGITO] = static_cast<char>('0' + nivel);
    imagen[LUGAR_DIGITO] = static_cast<char>('0' + nivel);
    Interfaz::getInstance()->setNivel(nivel);
    CargadorNivel cargador;
    Juego* juego = Juego::getInstance();
    juego->cambiarFondo(imagen.c_str());
    cargador.cargarNivel(*juego, texto.c_str());
}
