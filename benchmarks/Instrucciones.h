#ifndef VQ_INSTRUCCIONES_H
#define VQ_INSTRUCCIONES_H

#include <functional>

// Los cuadros que cuenta callgrind (scripts/medir.sh --instrucciones), que
// no dependen de la carga de la máquina: el juego en cada modo, con fuegos y
// sin ellos, y el piso de cada uno. Cada caso dibuja primero unos cuadros
// sin contar (Mesa compila sus sombreadores), escribe "caso: NOMBRE" y
// dibuja los que se cuentan dentro de contarCuadros.
namespace Instrucciones {

constexpr const char* OPCION = "--instrucciones";
constexpr int CUADROS = 5;

// callgrind cuenta sólo dentro de esta función (--toggle-collect) y vuelca
// lo contado al salir de ella (--dump-after): un volcado por caso.
void contarCuadros(const std::function<void()>& cuadro);

int correr();

}  // namespace Instrucciones

#endif
