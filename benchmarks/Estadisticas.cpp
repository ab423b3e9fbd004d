#include "Estadisticas.h"

#include <algorithm>

double Estadisticas::percentil99(const std::vector<double>& valores) {
    if (valores.empty()) return 0.0;
    std::vector<double> orden(valores);
    std::sort(orden.begin(), orden.end());
    const double lugar = 0.99 * static_cast<double>(orden.size() - 1);
    const size_t abajo = static_cast<size_t>(lugar);
    const size_t arriba = std::min(abajo + 1, orden.size() - 1);
    return orden[abajo] + (orden[arriba] - orden[abajo]) * (lugar - static_cast<double>(abajo));
}

benchmark::internal::Benchmark* Estadisticas::repetir(benchmark::internal::Benchmark* medicion,
                                                      int repeticiones) {
    return medicion->Repetitions(repeticiones)
        ->ReportAggregatesOnly()
        ->ComputeStatistics("p99", percentil99);
}
