#include "core/ArchivoUsuario.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* const CARPETA = "vorlix-quintar";
// Más que esto no es un archivo del juego.
const std::size_t TAMANIO_MAXIMO = 4096;

// Los errores más comunes, en castellano como el resto del juego.
std::string descripcion(int error) {
    switch (error) {
        case EACCES:
            return "permiso denegado";
        case EISDIR:
            return "es una carpeta";
        case ENOTDIR:
            return "una parte de la ruta no es una carpeta";
        case ENOSPC:
            return "no queda lugar en el disco";
        case EROFS:
            return "el disco es de sólo lectura";
        default:
            return std::strerror(error);
    }
}

bool crearCarpetas(const std::string& ruta) {
    for (std::size_t barra = ruta.find('/', 1); barra != std::string::npos;
         barra = ruta.find('/', barra + 1)) {
        const std::string carpeta = ruta.substr(0, barra);
        if (mkdir(carpeta.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return true;
}

bool escribirTodo(int descriptor, const std::string& contenido) {
    for (std::size_t hecho = 0; hecho < contenido.size();) {
        const ssize_t n = write(descriptor, contenido.data() + hecho, contenido.size() - hecho);
        if (n < 0 && errno != EINTR) return false;
        if (n > 0) hecho += static_cast<std::size_t>(n);
    }
    return fsync(descriptor) == 0;
}

std::string recortar(const std::string& texto) {
    const std::size_t inicio = texto.find_first_not_of(" \t\r");
    if (inicio == std::string::npos) return "";
    return texto.substr(inicio, texto.find_last_not_of(" \t\r") - inicio + 1);
}

}  // namespace

std::string ArchivoUsuario::ruta(const char* variable, const char* porDefecto, const char* nombre) {
    std::string base;
    const char* valor = std::getenv(variable);
    if (valor != nullptr && valor[0] == '/') {
        base = valor;
    } else {
        const char* casa = std::getenv("HOME");
        if (casa == nullptr || casa[0] != '/') return "";
        base = std::string(casa) + "/" + porDefecto;
    }
    return base + "/" + CARPETA + "/" + nombre;
}

ArchivoUsuario::Lectura ArchivoUsuario::leer(const std::string& ruta, std::string& contenido,
                                             std::string& motivo) {
    contenido.clear();
    const int descriptor = open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ENOENT) return Lectura::NoExiste;
        motivo = descripcion(errno);
        return Lectura::Fallo;
    }
    char bloque[TAMANIO_MAXIMO + 1];
    ssize_t n = 0;
    while (contenido.size() <= TAMANIO_MAXIMO &&
           ((n = read(descriptor, bloque, sizeof bloque)) > 0 || (n < 0 && errno == EINTR))) {
        if (n > 0) contenido.append(bloque, static_cast<std::size_t>(n));
    }
    const int error = errno;
    close(descriptor);
    if (n < 0) {
        motivo = descripcion(error);
        return Lectura::Fallo;
    }
    if (contenido.size() > TAMANIO_MAXIMO) {
        motivo = "es demasiado grande";
        return Lectura::Fallo;
    }
    return Lectura::Leido;
}

bool ArchivoUsuario::escribir(const std::string& ruta, const std::string& contenido,
                              std::string& motivo) {
    // Un temporal por proceso: dos juegos que terminan a la vez no se pisan.
    const std::string temporal = ruta + "." + std::to_string(getpid()) + ".tmp";
    bool hecho = crearCarpetas(ruta);
    int error = errno;
    if (hecho) {
        const int descriptor =
            open(temporal.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        hecho = descriptor >= 0 && escribirTodo(descriptor, contenido);
        error = errno;
        if (descriptor >= 0 && close(descriptor) != 0 && hecho) {
            hecho = false;
            error = errno;
        }
        if (hecho && std::rename(temporal.c_str(), ruta.c_str()) != 0) {
            hecho = false;
            error = errno;
        }
    }
    if (!hecho) {
        motivo = descripcion(error);
        unlink(temporal.c_str());
    }
    return hecho;
}

bool ArchivoUsuario::interpretar(const std::string& texto, std::vector<Linea>& lineas,
                                 std::string& motivo) {
    lineas.clear();
    int numero = 0;
    for (std::size_t inicio = 0; inicio < texto.size();) {
        std::size_t fin = texto.find('\n', inicio);
        if (fin == std::string::npos) fin = texto.size();
        const std::string linea = recortar(texto.substr(inicio, fin - inicio));
        inicio = fin + 1;
        numero++;
        if (linea.empty() || linea[0] == '#') continue;
        const std::size_t igual = linea.find('=');
        const std::string clave = igual == std::string::npos ? "" : recortar(linea.substr(0, igual));
        if (clave.empty() || linea.find('\0') != std::string::npos) {
            motivo = "línea " + std::to_string(numero) + ": no es «clave = valor»";
            return false;
        }
        for (const Linea& otra : lineas) {
            if (otra.clave == clave) {
                motivo = "línea " + std::to_string(numero) + ": clave repetida";
                return false;
            }
        }
        lineas.push_back({numero, clave, recortar(linea.substr(igual + 1))});
    }
    return true;
}
