#include "Escalada.h"

#include <cstdlib>

#include "core/Escala.h"

int Escalada::escala() {
    const char* valor = std::getenv("VQ_ESCALA");
    int pedida = 1;
    if (valor == nullptr || !Escala::interpretar(valor, pedida) || pedida == Escala::AUTOMATICA) return 1;
    return pedida;
}

std::string Escalada::sufijo() {
    return escala() == 1 ? "" : "/" + std::to_string(escala()) + "x";
}
