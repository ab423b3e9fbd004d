#include "Instrucciones.h"

#include <cstdio>
#include <string>

#include "CuadroReferencia.h"
#include "PartidaMedida.h"
#include "core/Juego.h"
#include "playfield/ModoRender.h"

namespace {

// Bastan para que Mesa compile los sombreadores del modo y los fuegos
// tengan todas sus partículas.
const int PREVIOS = 8;
const char* const NOMBRES[CuadroReferencia::CANTIDAD_MODOS] = {"wireframe", "facetado",
                                                              "interpolado", "texturado"};

void caso(const std::string& nombre, const std::function<void()>& cuadro) {
    for (int i = 0; i < PREVIOS; i++) cuadro();
    std::printf("caso: %s\n", nombre.c_str());
    std::fflush(stdout);
    Instrucciones::contarCuadros(cuadro);
}

void casosDelJuego(Juego& juego, const std::string& prefijo) {
    for (int modo = 0; modo < CuadroReferencia::CANTIDAD_MODOS; modo++) {
        ModoRender::getInstance()->elegir(modo == CuadroReferencia::FACETADO,
                                          modo == CuadroReferencia::INTERPOLADO,
                                          modo == CuadroReferencia::TEXTURADO,
                                          modo == CuadroReferencia::WIREFRAME);
        caso(prefijo + NOMBRES[modo], [&juego] {
            juego.actualizar(PartidaMedida::PASO);
            juego.dibujar();
        });
    }
}

}  // namespace

__attribute__((noinline)) void Instrucciones::contarCuadros(const std::function<void()>& cuadro) {
    for (int i = 0; i < CUADROS; i++) cuadro();
}

// Con fuegos primero: cerrar el cartel de ganar los apaga.
int Instrucciones::correr() {
    std::printf("cuadros: %d\n", CUADROS);
    casosDelJuego(PartidaMedida::ganada(), "con fuegos/");
    casosDelJuego(PartidaMedida::sinFuegos(), "");
    for (bool conFuegos : {false, true}) {
        for (int modo = 0; modo < CuadroReferencia::CANTIDAD_MODOS; modo++) {
            const CuadroReferencia referencia("resources/pantalla1.txt",
                                              static_cast<CuadroReferencia::Modo>(modo), conFuegos);
            caso(std::string("referencia/") + (conFuegos ? "con fuegos/" : "") + NOMBRES[modo],
                 [&referencia] { referencia.dibujar(); });
        }
    }
    return 0;
}
