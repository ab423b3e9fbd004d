#ifndef VQ_PROCESO_JUEGO_H
#define VQ_PROCESO_JUEGO_H

#include <sys/types.h>

#include <string>
#include <vector>

// El juego real, con sus salidas en archivos de la carpeta y su entrada en un tubo.
class ProcesoJuego {
public:
    // Con VQ_BIBLIOTECAS_SDL en el entorno de la prueba, el juego carga esa SDL 1.2.
    explicit ProcesoJuego(const std::string& carpeta, const std::string& programa = JUEGO,
                          const std::vector<std::string>& argumentos = {});
    ~ProcesoJuego();
    ProcesoJuego(const ProcesoJuego&) = delete;
    ProcesoJuego& operator=(const ProcesoJuego&) = delete;

    std::string salida() const;
    std::string error() const;
    // Espera hasta que la salida contenga el texto; devuelve si apareció.
    bool esperarSalida(const std::string& texto, double segundos) const;
    void escribirEntrada(const std::string& texto);
    void senal(int numero);
    pid_t getPid() const { return pid; }
    // El estado de salida, 128 + la señal que lo terminó, o -1 si no terminó a tiempo.
    int esperarFin(double segundos);

private:
    std::string carpeta;
    pid_t pid = -1;
    int entrada = -1;
    int estado = -1;
};

#endif
