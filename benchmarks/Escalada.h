#ifndef VQ_ESCALADA_H
#define VQ_ESCALADA_H

#include <string>

// La escala de las mediciones, de VQ_ESCALA en el entorno: así se miden los
// cuadros a 2x con el mismo programa.
namespace Escalada {

// 1 a 4; 1 si VQ_ESCALA no está o no sirve.
int escala();
// El final del nombre de las mediciones: "" a escala 1, "/2x" a escala 2...
std::string sufijo();

}  // namespace Escalada

#endif
