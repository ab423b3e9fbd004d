#ifndef VQ_ESTADISTICAS_H
#define VQ_ESTADISTICAS_H

#include <benchmark/benchmark.h>

#include <vector>

// Lo que todas las mediciones informan: sólo los agregados de sus
// repeticiones, con la mediana y el percentil 99 entre ellos.
namespace Estadisticas {

// Percentil 99 con interpolación lineal entre los dos valores vecinos.
double percentil99(const std::vector<double>& valores);

benchmark::internal::Benchmark* repetir(benchmark::internal::Benchmark* medicion,
                                        int repeticiones);

}  // namespace Estadisticas

#endif
