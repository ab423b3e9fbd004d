#include "ProcesoJuego.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

ProcesoJuego::ProcesoJuego(const std::string& carpeta, const std::vector<std::string>& entorno,
                           const std::string& programa) {
    int salidaTubo[2], errorTubo[2], entradaTubo[2];
    if (pipe(salidaTubo) != 0 || pipe(errorTubo) != 0 || pipe(entradaTubo) != 0)
        throw std::runtime_error("pipe");
    pid = fork();
    if (pid == 0) {
        dup2(salidaTubo[1], 1);
        dup2(errorTubo[1], 2);
        dup2(entradaTubo[0], 0);
        close(salidaTubo[0]);
        close(errorTubo[0]);
        close(entradaTubo[1]);
        for (const std::string& v : entorno) putenv(const_cast<char*>(v.c_str()));
        // Las pruebas corridas con otra SDL 1.2 la ponen por delante de la del sistema.
        if (const char* sdl = std::getenv("VQ_BIBLIOTECAS_SDL")) setenv("LD_LIBRARY_PATH", sdl, 1);
        if (chdir(carpeta.c_str()) != 0) _exit(126);
        execl(programa.c_str(), programa.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(salidaTubo[1]);
    close(errorTubo[1]);
    close(entradaTubo[0]);
    entrada = entradaTubo[1];
    lectorSalida = std::thread(&ProcesoJuego::leer, this, salidaTubo[0], std::ref(textoSalida));
    lectorError = std::thread(&ProcesoJuego::leer, this, errorTubo[0], std::ref(textoError));
}

void ProcesoJuego::escribirEntrada(const std::string& texto) {
    if (write(entrada, texto.data(), texto.size()) != static_cast<ssize_t>(texto.size()))
        throw std::runtime_error("no se pudo escribir en la entrada del juego");
}

void ProcesoJuego::senal(int numero) {
    kill(pid, numero);
}

ProcesoJuego::~ProcesoJuego() {
    close(entrada);
    if (estado < 0 && pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    if (lectorSalida.joinable()) lectorSalida.join();
    if (lectorError.joinable()) lectorError.join();
}

void ProcesoJuego::leer(int fd, std::string& destino) {
    char bloque[4096];
    ssize_t n;
    while ((n = read(fd, bloque, sizeof(bloque))) > 0) {
        std::lock_guard<std::mutex> l(candado);
        destino.append(bloque, static_cast<size_t>(n));
    }
    close(fd);
}

std::string ProcesoJuego::salida() {
    std::lock_guard<std::mutex> l(candado);
    return textoSalida;
}

std::string ProcesoJuego::error() {
    std::lock_guard<std::mutex> l(candado);
    return textoError;
}

bool ProcesoJuego::esperar(const std::string& cual, const std::string& texto, double segundos) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::duration<double>(segundos);
    while (std::chrono::steady_clock::now() < limite) {
        if ((cual == "salida" ? salida() : error()).find(texto) != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

bool ProcesoJuego::esperarSalida(const std::string& texto, double segundos) {
    return esperar("salida", texto, segundos);
}

bool ProcesoJuego::esperarError(const std::string& texto, double segundos) {
    return esperar("error", texto, segundos);
}

int ProcesoJuego::esperarFin(double segundos) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::duration<double>(segundos);
    while (estado < 0 && std::chrono::steady_clock::now() < limite) {
        int s = 0;
        if (waitpid(pid, &s, WNOHANG) == pid) {
            estado = WIFEXITED(s) ? WEXITSTATUS(s) : 128 + WTERMSIG(s);
            // Lo último que escribió puede estar todavía en los tubos.
            lectorSalida.join();
            lectorError.join();
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    return estado;
}
