#ifndef VQ_CARPETA_USUARIO_H
#define VQ_CARPETA_USUARIO_H

#include <string>

// Una carpeta del usuario propia mientras vive: XDG_CONFIG_HOME y
// XDG_DATA_HOME apuntan a ella, vacía o con unos ajustes (los de siempre) y un
// mejor puntaje. Los ajustes de quien mide no cambian lo medido.
class CarpetaUsuario {
public:
    explicit CarpetaUsuario(bool conArchivos);
    ~CarpetaUsuario();
    CarpetaUsuario(const CarpetaUsuario&) = delete;
    CarpetaUsuario& operator=(const CarpetaUsuario&) = delete;

private:
    std::string carpeta;
    std::string anteriores[2];
    bool habia[2] = {false, false};
};

#endif
