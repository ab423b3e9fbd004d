#ifndef VQ_CARPETA_H
#define VQ_CARPETA_H

#include <string>

std::string leer(const std::string& ruta);

// Carpeta temporal con su resources/, borrada al final aunque se salga con exit();
// con entrar es el directorio de trabajo mientras vive.
class Carpeta {
public:
    explicit Carpeta(bool entrar = false);
    ~Carpeta();
    Carpeta(const Carpeta&) = delete;
    Carpeta& operator=(const Carpeta&) = delete;
    const std::string& ruta() const { return camino; }
    std::string escribir(const std::string& nombre, const std::string& contenido) const;
    void enlazarRecursos() const;  // en resources/, los del repositorio que la prueba no escribió

private:
    std::string camino;
    std::string anterior;
};

#endif
