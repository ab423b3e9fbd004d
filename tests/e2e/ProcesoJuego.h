#ifndef VQ_PROCESO_JUEGO_H
#define VQ_PROCESO_JUEGO_H

#include <mutex>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

// El ejecutable real del juego, con su salida estándar y de error a mano.
class ProcesoJuego {
public:
    // Arranca el juego en la carpeta dada, con variables de entorno extra
    // ("NOMBRE=valor"). La entrada estándar es un tubo, no una terminal. El
    // programa es el de esta compilación salvo que se dé otro, como el
    // lanzador de una instalación.
    explicit ProcesoJuego(const std::string& carpeta, const std::vector<std::string>& entorno = {},
                          const std::string& programa = JUEGO);
    ~ProcesoJuego();
    ProcesoJuego(const ProcesoJuego&) = delete;
    ProcesoJuego& operator=(const ProcesoJuego&) = delete;

    // Espera hasta que la salida contenga el texto; devuelve si apareció.
    bool esperarSalida(const std::string& texto, double segundos);
    bool esperarError(const std::string& texto, double segundos);
    std::string salida();
    std::string error();
    pid_t getPid() const { return pid; }
    // Escribe en la entrada estándar del juego, como quien teclea en la consola.
    void escribirEntrada(const std::string& texto);
    // Manda una señal al juego, como Ctrl+C (SIGINT) o kill (SIGTERM).
    void senal(int numero);
    // Espera el fin del proceso y de su salida; devuelve su estado de salida,
    // 128 + la señal si lo terminó una, o -1 si no terminó a tiempo.
    int esperarFin(double segundos);

private:
    bool esperar(const std::string& cual, const std::string& texto, double segundos);
    void leer(int fd, std::string& destino);

    pid_t pid = -1;
    int entrada = -1;
    int estado = -1;
    std::mutex candado;
    std::string textoSalida, textoError;
    std::thread lectorSalida, lectorError;
};

#endif
