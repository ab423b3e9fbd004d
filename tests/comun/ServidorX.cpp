#include "ServidorX.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

ServidorX::ServidorX(int ancho, int alto, bool reiniciable) {
    int tubo[2];
    if (pipe(tubo) != 0) throw std::runtime_error("pipe");
    pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);  // Xvfb muere con el proceso de prueba, aunque éste termine con exit()
        close(tubo[0]);
        std::string fd = std::to_string(tubo[1]);
        std::string pantalla = std::to_string(ancho) + "x" + std::to_string(alto) + "x24";
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        std::vector<const char*> argumentos = {"Xvfb",     "-displayfd", fd.c_str(), "-screen", "0",
                                               pantalla.c_str(), "-nolisten", "tcp", "+extension", "GLX"};
        if (!reiniciable) argumentos.push_back("-noreset");
        argumentos.push_back(nullptr);
        execvp("Xvfb", const_cast<char* const*>(argumentos.data()));
        _exit(127);
    }
    close(tubo[1]);
    // Xvfb escribe el número de pantalla que eligió cuando ya acepta clientes.
    FILE* lectura = fdopen(tubo[0], "r");
    char numero[16] = "";
    const bool leido = std::fgets(numero, sizeof numero, lectura) != nullptr;
    std::fclose(lectura);
    if (!leido) throw std::runtime_error("Xvfb no arrancó (¿está instalado?)");
    numero[std::strcspn(numero, "\n")] = '\0';
    setenv("DISPLAY", (std::string(":") + numero).c_str(), 1);
}

ServidorX::~ServidorX() {
    if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
}
