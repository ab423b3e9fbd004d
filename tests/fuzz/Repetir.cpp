// Vuelve a pasar por un objetivo de fuzzing cada archivo de los directorios
// dados: el corpus guardado, con los hallazgos de corridas anteriores.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo);

int main(int argc, char** argv) {
    int archivos = 0;
    for (int i = 1; i < argc; ++i)
        for (const auto& entrada : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream archivo(entrada.path(), std::ios::binary);
            const std::vector<char> bytes((std::istreambuf_iterator<char>(archivo)), {});
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            ++archivos;
        }
    std::printf("%d archivos\n", archivos);
    // Un corpus vacío es un error de la prueba, no un éxito.
    return archivos > 0 ? 0 : 1;
}
