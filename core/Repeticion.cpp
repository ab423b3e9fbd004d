#include "core/Repeticion.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/BuclePrincipal.h"

namespace {

const char* const FIRMA = "vorlix-quintar";
const int MAX_VUELTAS = 100000;
// Un cuadro cada más de una hora no es una partida: es un archivo roto.
const double MAX_INTERVALO = 3600.0;

bool entero(const std::string& texto, long long minimo, long long maximo, long long& valor) {
    if (texto.empty() || texto.size() > 20) return false;
    errno = 0;
    char* fin = nullptr;
    valor = std::strtoll(texto.c_str(), &fin, 10);
    return errno == 0 && *fin == '\0' && texto[0] != '+' && texto[0] != ' ' && valor >= minimo &&
           valor <= maximo;
}

std::vector<std::string> partir(const std::string& linea) {
    std::vector<std::string> partes;
    size_t i = 0;
    while (i < linea.size()) {
        while (i < linea.size() && linea[i] == ' ') i++;
        size_t j = i;
        while (j < linea.size() && linea[j] != ' ') j++;
        if (j > i) partes.push_back(linea.substr(i, j - i));
        i = j;
    }
    return partes;
}

}  // namespace

bool Repeticion::cargar(const std::string& ruta, std::string& error) {
    std::ifstream archivo(ruta, std::ios::binary);
    if (!archivo) {
        error = ruta + ": no se puede abrir: " + std::strerror(errno);
        return false;
    }
    const std::string texto((std::istreambuf_iterator<char>(archivo)), {});
    return leer(texto.data(), texto.size(), ruta, error);
}

bool Repeticion::leer(const char* datos, size_t largo, const std::string& nombre, std::string& error) {
    *this = Repeticion();
    int numero = 0;
    int encabezado = 0;  // líneas del encabezado ya leídas
    bool despuesDeCuadro = false;
    size_t i = 0;
    while (i < largo) {
        numero++;
        const char* salto = static_cast<const char*>(std::memchr(datos + i, '\n', largo - i));
        const size_t fin = salto ? static_cast<size_t>(salto - datos) : largo;
        std::string linea(datos + i, fin - i);
        i = fin + 1;
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        const auto fallar = [&](const std::string& que) {
            error = nombre + ":" + std::to_string(numero) + ": " + que;
            return false;
        };
        if (salto == nullptr) return fallar("línea cortada: el archivo termina a mitad de una línea");
        if (linea.size() > LARGO_LINEA) return fallar("línea demasiado larga");
        if (std::memchr(linea.data(), '\0', linea.size()) || std::memchr(linea.data(), '\t', linea.size()))
            return fallar("carácter no válido");
        const std::vector<std::string> p = partir(linea);
        if (numero > 1 && (p.empty() || p[0][0] == '#')) continue;
        if (completa) return fallar("nada puede seguir a \"fin\"");
        if (encabezado < 4) {
            if (!leerEncabezado(p, encabezado, error)) return fallar(error);
            encabezado++;
            continue;
        }
        if (encabezado == 4) {
            encabezado++;
            if (p[0] == "ajustes") {
                if (!Configuracion::leerDescripcion({p.begin() + 1, p.end()}, ajustes))
                    return fallar("se esperaba \"ajustes MODO A D E VELOCIDAD ESCALA\"");
                continue;
            }
        }
        if (p.size() == 1 && p[0] == "fin") {
            completa = true;
            final = registros.size();
            lineaFinal = numero;
            continue;
        }
        if (p[0] == "marca" && !despuesDeCuadro) return fallar("\"marca\" sólo puede seguir a un cuadro");
        if (!leerRegistro(p, error)) return fallar(error);
        despuesDeCuadro = registros.back().tipo == Tipo::Cuadro || registros.back().tipo == Tipo::Marca;
        if (despuesDeCuadro) {
            final = registros.size();
            lineaFinal = numero;
        }
    }
    if (encabezado < 4) {
        error = nombre + ":" + std::to_string(numero + 1) + ": el archivo termina antes de " +
                (encabezado == 0 ? "empezar" : "terminar el encabezado");
        return false;
    }
    return true;
}

bool Repeticion::leerEncabezado(const std::vector<std::string>& p, int numero, std::string& error) {
    long long v = 0;
    switch (numero) {
        case 0:
            if (p.size() != 3 || p[0] != FIRMA || p[1] != "grabacion") {
                error = "no es una partida grabada de vorlix-quintar";
                return false;
            }
            if (!entero(p[2], 1, VERSION, v)) {
                error = "versión \"" + p[2] + "\": este juego lee la versión " + std::to_string(VERSION);
                return false;
            }
            return true;
        case 1:
            if (p.size() == 2 && p[0] == "frecuencia" && entero(p[1], 1, 1000000000000LL, v)) {
                frecuencia = v;
                return true;
            }
            error = "se esperaba \"frecuencia PULSOS\"";
            return false;
        case 2:
            if (p.size() == 2 && p[0] == "pantalla" && (p[1] == "si" || p[1] == "no")) {
                pantallaCompleta = p[1] == "si";
                return true;
            }
            error = "se esperaba \"pantalla si\" o \"pantalla no\"";
            return false;
        default:
            if (p.size() == 2 && p[0] == "semilla" && entero(p[1], 0, UINT32_MAX, v)) {
                semilla = static_cast<uint32_t>(v);
                return true;
            }
            error = "se esperaba \"semilla NÚMERO\"";
            return false;
    }
}

bool Repeticion::leerRegistro(const std::vector<std::string>& p, std::string& error) {
    Registro r = {};
    const std::string& palabra = p[0];
    const size_t n = p.size() - 1;
    long long a = 0, b = 0, c = 0;
    bool bien = true;
    if (palabra == "tecla-abajo" || palabra == "tecla-arriba") {
        bien = n == 1 && entero(p[1], 0, SDLK_LAST - 1, a);
        r.evento.type = palabra == "tecla-abajo" ? SDL_KEYDOWN : SDL_KEYUP;
        r.evento.key.keysym.sym = static_cast<SDLKey>(a);
    } else if (palabra == "mueve") {
        bien = n == 2 && entero(p[1], INT16_MIN, INT16_MAX, a) && entero(p[2], INT16_MIN, INT16_MAX, b);
        r.evento.type = SDL_MOUSEMOTION;
        r.evento.motion.xrel = static_cast<Sint16>(a);
        r.evento.motion.yrel = static_cast<Sint16>(b);
    } else if (palabra == "boton-abajo" || palabra == "boton-arriba") {
        bien = n == 3 && entero(p[1], 1, UINT8_MAX, a) && entero(p[2], 0, UINT16_MAX, b) &&
               entero(p[3], 0, UINT16_MAX, c);
        r.evento.type = palabra == "boton-abajo" ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        r.evento.button.button = static_cast<Uint8>(a);
        r.evento.button.x = static_cast<Uint16>(b);
        r.evento.button.y = static_cast<Uint16>(c);
    } else if (palabra == "cerrar") {
        bien = n == 0;
        r.evento.type = SDL_QUIT;
    } else if (palabra == "otro") {
        // Los tipos que tienen palabra propia no van como "otro".
        bien = n == 1 && entero(p[1], 0, SDL_NUMEVENTS - 1, a) && a != SDL_KEYDOWN && a != SDL_KEYUP &&
               a != SDL_MOUSEMOTION && a != SDL_MOUSEBUTTONDOWN && a != SDL_MOUSEBUTTONUP && a != SDL_QUIT;
        r.evento.type = static_cast<Uint8>(a);
    } else if (palabra == "consola") {
        r.tipo = Tipo::Consola;
        bien = n <= 4;
        for (size_t k = 0; bien && k < n; k++) {
            char* fin = nullptr;
            r.valores[k] = std::strtof(p[k + 1].c_str(), &fin);
            bien = *fin == '\0' && fin != p[k + 1].c_str() && std::isfinite(r.valores[k]);
        }
        r.cantidad = static_cast<int>(n);
    } else if (palabra == "vueltas") {
        r.tipo = Tipo::Vueltas;
        bien = n == 1 && entero(p[1], 1, MAX_VUELTAS, a);
        r.cantidad = static_cast<int>(a);
    } else if (palabra == "cuadro") {
        r.tipo = Tipo::Cuadro;
        bien = (n == 1 || n == 2) && entero(p[1], 1, INT64_MAX / 2, a) &&
               (n == 1 || entero(p[2], 0, MAX_VUELTAS, b));
        // El bucle sólo dibuja cuando pasó al menos 1/29 s: la misma cuenta que él.
        const double segundos = static_cast<double>(a) / static_cast<double>(frecuencia);
        bien = bien && segundos >= 1.0 / static_cast<double>(BuclePrincipal::FPS_OBJETIVO) &&
               segundos <= MAX_INTERVALO;
        r.pulsos = a;
        r.cantidad = static_cast<int>(b);
        cuadros += bien;
    } else if (palabra == "marca") {
        r.tipo = Tipo::Marca;
        bien = n == 1;
        r.cantidad = static_cast<int>(marcas.size());
        if (bien) marcas.push_back(p[1]);
    } else {
        error = "palabra desconocida: \"" + palabra + "\"";
        return false;
    }
    if (!bien) {
        error = "valores no válidos para \"" + palabra + "\"";
        return false;
    }
    if (r.tipo != Tipo::Evento) r.evento.type = SDL_NOEVENT;
    registros.push_back(r);
    return true;
}

bool Repeticion::siguienteEvento(SDL_Event& evento) {
    // Los valores de una consola que no preguntó no son eventos: se saltean.
    while (pos < final && restantes < 0 && registros[pos].tipo == Tipo::Consola) pos++;
    if (pos >= final || restantes >= 0 || registros[pos].tipo != Tipo::Evento) return false;
    evento = registros[pos++].evento;
    return true;
}

bool Repeticion::terminarVuelta(int64_t& pulsos) {
    while (pos < final && restantes < 0 &&
           (registros[pos].tipo == Tipo::Consola || registros[pos].tipo == Tipo::Marca))
        pos++;
    // Si la vuelta no despachó todos sus eventos (el juego se detuvo), quedan para la que sigue.
    if (pos >= final || (restantes < 0 && registros[pos].tipo == Tipo::Evento)) return false;
    const Registro& r = registros[pos];
    if (restantes < 0) restantes = r.cantidad;
    if (restantes > 0) {
        restantes--;
        if (restantes == 0 && r.tipo == Tipo::Vueltas) {
            restantes = -1;
            pos++;
        }
        return false;
    }
    restantes = -1;
    pos++;
    pulsos = r.pulsos;
    return true;
}

bool Repeticion::siguienteConsola(float* valores, int n) {
    if (pos >= final || restantes >= 0 || registros[pos].tipo != Tipo::Consola) return false;
    const Registro& r = registros[pos++];
    for (int i = 0; i < n; i++) valores[i] = i < r.cantidad ? r.valores[i] : 0.0f;
    return true;
}

const char* Repeticion::siguienteMarca() {
    if (pos >= final || registros[pos].tipo != Tipo::Marca) return nullptr;
    return marcas[static_cast<size_t>(registros[pos++].cantidad)].c_str();
}
