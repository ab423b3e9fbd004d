#include "InformeProporciones.h"

#include <cstdio>
#include <ostream>

std::vector<std::pair<std::string, std::string>>& InformeProporciones::parejas() {
    static std::vector<std::pair<std::string, std::string>> anotadas;
    return anotadas;
}

void InformeProporciones::comparar(const std::string& medicion, const std::string& referencia) {
    parejas().emplace_back(medicion, referencia);
}

void InformeProporciones::ReportRuns(const std::vector<Run>& corridas) {
    ConsoleReporter::ReportRuns(corridas);
    for (const Run& r : corridas) {
        if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median" && !r.error_occurred)
            medianas[r.run_name.function_name] = r.GetAdjustedRealTime();
    }
}

void InformeProporciones::Finalize() {
    ConsoleReporter::Finalize();
    bool titulo = false;
    for (const auto& [medicion, referencia] : parejas()) {
        const auto m = medianas.find(medicion), r = medianas.find(referencia);
        if (m == medianas.end() || r == medianas.end() || r->second <= 0.0) continue;
        if (!titulo) GetOutputStream() << "\nMedición / referencia (medianas):\n";
        titulo = true;
        char linea[160];
        std::snprintf(linea, sizeof linea, "%-34s %5.2f  (%s)\n", medicion.c_str(),
                      m->second / r->second, referencia.c_str());
        GetOutputStream() << linea;
    }
}
