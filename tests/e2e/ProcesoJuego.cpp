#include "ProcesoJuego.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <thread>

#include "Carpeta.h"

ProcesoJuego::ProcesoJuego(const std::string& carpeta, const std::string& programa,
                           const std::vector<std::string>& argumentos)
    : carpeta(carpeta) {
    int tubo[2];
    if (pipe(tubo) != 0) throw std::runtime_error("pipe");
    pid = fork();
    if (pid == 0) {
        dup2(tubo[0], 0);
        close(tubo[1]);
        dup2(open((carpeta + "/.salida").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        dup2(open((carpeta + "/.error").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        if (const char* sdl = std::getenv("VQ_BIBLIOTECAS_SDL")) setenv("LD_LIBRARY_PATH", sdl, 1);
        std::vector<char*> v = {const_cast<char*>(programa.c_str())};
        for (const std::string& a : argumentos) v.push_back(const_cast<char*>(a.c_str()));
        v.push_back(nullptr);
        if (chdir(carpeta.c_str()) == 0) execv(programa.c_str(), v.data());
        _exit(127);
    }
    close(tubo[0]);
    entrada = tubo[1];
}

ProcesoJuego::~ProcesoJuego() {
    close(entrada);
    if (estado < 0 && kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
}

std::string ProcesoJuego::salida() const { return leer(carpeta + "/.salida"); }

std::string ProcesoJuego::error() const { return leer(carpeta + "/.error"); }

bool ProcesoJuego::esperarSalida(const std::string& texto, double segundos) const {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::duration<double>(segundos);
    while (salida().find(texto) == std::string::npos) {
        if (std::chrono::steady_clock::now() > limite) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void ProcesoJuego::escribirEntrada(const std::string& texto) {
    if (write(entrada, texto.data(), texto.size()) != static_cast<ssize_t>(texto.size()))
        throw std::runtime_error("no se pudo escribir en la entrada del juego");
}

void ProcesoJuego::senal(int numero) { kill(pid, numero); }

int ProcesoJuego::esperarFin(double segundos) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::duration<double>(segundos);
    while (estado < 0 && std::chrono::steady_clock::now() < limite) {
        int s = 0;
        if (waitpid(pid, &s, WNOHANG) == pid)
            estado = WIFEXITED(s) ? WEXITSTATUS(s) : 128 + WTERMSIG(s);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return estado;
}
