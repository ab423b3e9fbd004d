#ifndef VQ_INFORME_PROPORCIONES_H
#define VQ_INFORME_PROPORCIONES_H

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

// La tabla de siempre en la consola y, al final, cada medición dividida por
// su referencia (las dos medianas), para las parejas que se anotaron.
class InformeProporciones : public benchmark::ConsoleReporter {
public:
    explicit InformeProporciones(OutputOptions opciones) : ConsoleReporter(opciones) {}

    // Anota una pareja; el orden de las anotaciones es el de la tabla final.
    static void comparar(const std::string& medicion, const std::string& referencia);

    void ReportRuns(const std::vector<Run>& corridas) override;
    void Finalize() override;

private:
    static std::vector<std::pair<std::string, std::string>>& parejas();
    std::map<std::string, double> medianas;
};

#endif
