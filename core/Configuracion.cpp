#include "core/Configuracion.h"

#include <cstdio>
#include <vector>

#include "core/ArchivoUsuario.h"
#include "core/Escala.h"
#include "core/Iluminacion.h"
#include "core/Juego.h"
#include "core/Opciones.h"
#include "playfield/ModoRender.h"

namespace {

const char* const MODOS[4] = {"alambre", "plano", "suave", "texturado"};
const char* const LUCES[3] = {"luz ambiental", "luz difusa", "luz especular"};
// Las de la tabla del juego, en su orden.
const char* const VELOCIDADES[Juego::CANTIDAD_VELOCIDADES] = {"0.1", "0.25", "0.5", "0.75", "1",
                                                              "1.25", "1.5", "2", "4"};

// El lugar del valor en la lista, o -1.
int buscar(const std::string& valor, const char* const* lista, int cantidad) {
    for (int i = 0; i < cantidad; i++) {
        if (valor == lista[i]) return i;
    }
    return -1;
}

bool interpretarLinea(const ArchivoUsuario::Linea& l, Configuracion::Ajustes& a) {
    if (l.clave == "modo") return (a.modo = buscar(l.valor, MODOS, 4)) >= 0;
    if (l.clave == "velocidad") {
        std::string punto = l.valor;
        for (char& c : punto) c = c == ',' ? '.' : c;
        return (a.velocidad = buscar(punto, VELOCIDADES, Juego::CANTIDAD_VELOCIDADES)) >= 0;
    }
    if (l.clave == "escala") return Escala::interpretar(l.valor.c_str(), a.escala);
    const int luz = buscar(l.clave, LUCES, 3);
    if (luz < 0) return false;
    a.luces[luz] = l.valor == "encendida";
    return a.luces[luz] || l.valor == "apagada";
}

}  // namespace

Configuracion* Configuracion::getInstance() {
    static Configuracion* instancia = new Configuracion();
    return instancia;
}

Configuracion::Configuracion() {
    const Opciones* opciones = Opciones::getInstance();
    if (!opciones->isSinConfiguracion())
        ruta = ArchivoUsuario::ruta("XDG_CONFIG_HOME", ".config", "ajustes.txt");
    std::string texto, motivo;
    const ArchivoUsuario::Lectura lectura =
        ruta.empty() ? ArchivoUsuario::Lectura::NoExiste : ArchivoUsuario::leer(ruta, texto, motivo);
    if (lectura == ArchivoUsuario::Lectura::Leido && interpretar(texto, ajustes, motivo)) {
        leidos = true;
    } else if (lectura != ArchivoUsuario::Lectura::NoExiste) {
        ajustes = Ajustes();
        std::fprintf(stderr, "vorlix-quintar: %s: %s; se usan los ajustes de siempre\n",
                     ruta.c_str(), motivo.c_str());
    }
    if (opciones->getEscala() != Opciones::ESCALA_NO_PEDIDA) ajustes.escala = opciones->getEscala();
}

bool Configuracion::interpretar(const std::string& texto, Ajustes& ajustes, std::string& motivo) {
    std::vector<ArchivoUsuario::Linea> lineas;
    if (!ArchivoUsuario::interpretar(texto, lineas, motivo)) return false;
    for (const ArchivoUsuario::Linea& l : lineas) {
        if (!interpretarLinea(l, ajustes)) {
            motivo = "línea " + std::to_string(l.numero) + ": no es un ajuste del juego";
            return false;
        }
    }
    return true;
}

std::string Configuracion::escribir(const Ajustes& a) {
    std::string texto =
        "# Ajustes de Vorlix Quintar, guardados al salir del juego.\n"
        "# modo: alambre, plano, suave o texturado; luces: encendida o apagada;\n"
        "# velocidad: 0.1, 0.25, 0.5, 0.75, 1, 1.25, 1.5, 2 o 4; escala: 1 a 4 o auto.\n";
    texto += std::string("modo = ") + MODOS[a.modo] + "\n";
    for (int i = 0; i < 3; i++)
        texto += std::string(LUCES[i]) + " = " + (a.luces[i] ? "encendida" : "apagada") + "\n";
    texto += std::string("velocidad = ") + VELOCIDADES[a.velocidad] + "\n";
    texto += std::string("escala = ") + Escala::nombre(a.escala) + "\n";
    return texto;
}

std::string Configuracion::describir(const Ajustes& a) {
    std::string texto = MODOS[a.modo];
    for (bool luz : a.luces) texto += luz ? " 1" : " 0";
    return texto + " " + VELOCIDADES[a.velocidad] + " " + std::to_string(a.escala);
}

bool Configuracion::leerDescripcion(const std::vector<std::string>& p, Ajustes& a) {
    if (p.size() != 6) return false;
    a.modo = buscar(p[0], MODOS, 4);
    a.velocidad = buscar(p[4], VELOCIDADES, Juego::CANTIDAD_VELOCIDADES);
    bool luces = true;
    for (int i = 0; i < 3; i++) {
        luces = luces && (p[1 + i] == "1" || p[1 + i] == "0");
        a.luces[i] = p[1 + i] == "1";
    }
    if (p[5].size() != 1 || p[5][0] < '1' || p[5][0] > '4') return false;
    a.escala = p[5][0] - '0';
    return a.modo >= 0 && a.velocidad >= 0 && luces;
}

Configuracion::Ajustes Configuracion::delJuego(Juego& juego, int escala) {
    Ajustes a;
    const ModoRender* modo = ModoRender::getInstance();
    a.modo = modo->isWireframe() ? ALAMBRE : modo->isFacetado() ? PLANO
             : modo->isInterpolado() ? SUAVE : TEXTURADO;
    const Iluminacion* luces = juego.getIluminacion();
    a.luces[0] = luces->isAmbientalEncendida();
    a.luces[1] = luces->isDifusaEncendida();
    a.luces[2] = luces->isEspecularEncendida();
    a.velocidad = juego.getIndiceVelocidad();
    a.escala = escala;
    return a;
}

void Configuracion::aplicar(const Ajustes& a, Juego& juego) {
    ModoRender::getInstance()->elegir(a.modo == PLANO, a.modo == SUAVE, a.modo == TEXTURADO,
                                      a.modo == ALAMBRE);
    Iluminacion* luces = juego.getIluminacion();
    const bool encendidas[3] = {luces->isAmbientalEncendida(), luces->isDifusaEncendida(),
                                luces->isEspecularEncendida()};
    for (int i = 0; i < 3; i++) {
        if (encendidas[i] != a.luces[i]) luces->alternarLuz(i);
    }
    juego.restaurarVelocidad(a.velocidad);
}

void Configuracion::aplicar(Juego& juego) const {
    if (leidos) aplicar(ajustes, juego);
}

void Configuracion::guardar(Juego& juego) {
    if (ruta.empty()) return;
    ajustes = delJuego(juego, ajustes.escala);
    std::string motivo;
    if (!ArchivoUsuario::escribir(ruta, escribir(ajustes), motivo))
        std::fprintf(stderr, "vorlix-quintar: no se pudieron guardar los ajustes en %s: %s\n",
                     ruta.c_str(), motivo.c_str());
}
