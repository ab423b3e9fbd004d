#ifndef VQ_CARPETA_JUEGO_H
#define VQ_CARPETA_JUEGO_H

#include <filesystem>
#include <map>
#include <string>

// Una carpeta de juego en /tmp con los recursos del repositorio, salvo los
// que la prueba cambia por los suyos; se borra al terminar.
class CarpetaJuego {
public:
    explicit CarpetaJuego(const std::map<std::string, std::string>& propios);
    ~CarpetaJuego();
    CarpetaJuego(const CarpetaJuego&) = delete;
    CarpetaJuego& operator=(const CarpetaJuego&) = delete;

    const std::filesystem::path& getRuta() const { return ruta; }

private:
    std::filesystem::path ruta;
};

#endif
