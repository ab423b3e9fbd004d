#ifndef VQ_HERRAMIENTAS_NIVEL_H
#define VQ_HERRAMIENTAS_NIVEL_H

#include <string>
#include <vector>

// Las piezas de un nivel, tal como se escriben en "resources/pantallaX.txt":
// la cantidad en la primera línea y luego una línea "x y tipo" por pieza.
class Nivel {
public:
    struct Pieza {
        float x;
        float y;
        int tipo;
    };

    // Redondea a centésimas, que es lo que queda escrito en el archivo.
    void agregar(double x, double y, int tipo);
    const std::vector<Pieza>& getPiezas() const { return piezas; }
    int contar(int tipo) const;

    std::string aTexto() const;

    // Reglas que todo nivel del juego cumple. Devuelve los incumplimientos,
    // vacío si no hay ninguno.
    std::vector<std::string> verificar() const;
    // Cuántas piezas de este nivel tienen otra del nivel dado a menos de 0,3.
    int coincidencias(const Nivel& otro) const;

private:
    std::vector<Pieza> piezas;
};

#endif
