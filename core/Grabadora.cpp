#include "core/Grabadora.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "core/Configuracion.h"
#include "core/Escala.h"
#include "core/Juego.h"
#include "core/Opciones.h"
#include "core/ResumenPartida.h"
#include "core/Sistema.h"

namespace {
const char* const PROGRAMA = "vorlix-quintar";
}  // namespace

Grabadora* Grabadora::getInstance() {
    static Grabadora* instancia = new Grabadora();
    return instancia;
}

bool Grabadora::preparar(Opciones& o) {
    std::string error;
    if (!o.getGrabar().empty() && !o.getRepetir().empty()) {
        std::fprintf(stderr, "%s: --grabar y --repetir no van juntas\n", PROGRAMA);
        return false;
    }
    if (o.getRepetir().empty() && (o.isRapido() || o.isSalirAlFinal() || o.isDetenerEnMarcas())) {
        std::fprintf(stderr, "%s: --rapido, --salir-al-final y --detener-en-marcas van con --repetir\n",
                     PROGRAMA);
        return false;
    }
    if (!o.getGrabar().empty()) {
        if (!grabacion.abrir(o.getGrabar(), error)) {
            std::fprintf(stderr, "%s: %s\n", PROGRAMA, error.c_str());
            return false;
        }
        modo = Modo::Grabando;
        // También "q" y Escape al soltarse, que terminan con exit() desde el despacho.
        std::atexit(alSalir);
    }
    if (!o.getRepetir().empty()) {
        if (!repeticion.cargar(o.getRepetir(), error)) {
            std::fprintf(stderr, "%s: %s\n", PROGRAMA, error.c_str());
            return false;
        }
        modo = Modo::Repitiendo;
        nombre = o.getRepetir();
        rapido = o.isRapido();
        salirAlFinal = o.isSalirAlFinal();
        detenerEnMarcas = o.isDetenerEnMarcas();
        // La partida de otro no toca los ajustes ni el mejor puntaje de quien la mira, y
        // se ve a su escala: el ratón gira según ella.
        o.setSinConfiguracion(true);
        o.setEscala(repeticion.getAjustes().escala);
        if (o.getPantalla() == Opciones::Pantalla::Preguntar)
            o.setPantalla(repeticion.isPantallaCompleta() ? Opciones::Pantalla::Completa
                                                         : Opciones::Pantalla::Ventana);
        if (!repeticion.isCompleta())
            std::fprintf(stderr, "%s: %s:%d: la grabación se cortó; se repite hasta ese último cuadro completo\n",
                         PROGRAMA, nombre.c_str(), repeticion.getLineaFinal());
        std::printf("Repitiendo %s: %d cuadros\n", nombre.c_str(), repeticion.getCuadros());
    }
    return true;
}

int64_t Grabadora::frecuencia(int64_t viva) {
    frecuenciaViva = viva;
    if (modo == Modo::Grabando) grabacion.encabezado(viva);
    return modo == Modo::Repitiendo ? repeticion.getFrecuencia() : viva;
}

void Grabadora::anotarPantalla(bool completa) {
    if (modo == Modo::Grabando) grabacion.pantalla(completa);
}

uint32_t Grabadora::semilla(uint32_t viva) {
    if (modo == Modo::Grabando) grabacion.semilla(viva);
    return modo == Modo::Repitiendo ? repeticion.getSemilla() : viva;
}

void Grabadora::empezar() {
    Juego& juego = *Juego::getInstance();
    if (modo == Modo::Grabando)
        grabacion.ajustes(Configuracion::describir(
            Configuracion::delJuego(juego, Escala::getInstance()->getFactor())));
    if (modo == Modo::Repitiendo) Configuracion::aplicar(repeticion.getAjustes(), juego);
    empezada = true;
    ultimoCuadroVivo = Sistema::leerContador();
}

bool Grabadora::terminaElJuego(const SDL_Event& e) {
    if (e.type == SDL_QUIT) return true;
    if (e.type != SDL_KEYDOWN && e.type != SDL_KEYUP) return false;
    const SDLKey tecla = e.key.keysym.sym;
    return tecla == SDLK_ESCAPE || (e.type == SDL_KEYUP && tecla == SDLK_q);
}

bool Grabadora::sondear(SDL_Event* evento) {
    if (modo != Modo::Repitiendo) {
        if (!SDL_PollEvent(evento)) return false;
        if (modo == Modo::Grabando) grabacion.evento(*evento);
        return true;
    }
    // Del jugador sólo valen Escape, "q" y cerrar la ventana.
    SDL_Event vivo;
    while (SDL_PollEvent(&vivo)) {
        if (terminaElJuego(vivo)) {
            *evento = vivo;
            return true;
        }
    }
    if (!repeticion.siguienteEvento(*evento)) return false;
    // El que terminó la partida grabada es lo último: aquí sólo suelta la tecla retenida.
    if (terminaElJuego(*evento)) {
        if (evento->type == SDL_KEYUP)
            evento->key.keysym.sym = SDLK_UNKNOWN;
        else
            evento->type = SDL_NOEVENT;
    }
    return true;
}

bool Grabadora::cuadroGrabado(int64_t& pulsos) {
    if (!repeticion.terminarVuelta(pulsos)) return false;
    if (!rapido) {
        const double segundos = static_cast<double>(pulsos) / static_cast<double>(repeticion.getFrecuencia());
        const int64_t espera = static_cast<int64_t>(segundos * static_cast<double>(frecuenciaViva));
        while (Sistema::leerContador() - ultimoCuadroVivo < espera) SDL_Delay(1);
    }
    ultimoCuadroVivo = Sistema::leerContador();
    return true;
}

void Grabadora::anotarVuelta(bool cuadro, int64_t pulsos) {
    if (modo == Modo::Grabando) {
        if (cuadro)
            grabacion.cuadro(pulsos);
        else
            grabacion.vuelta();
    } else if (modo == Modo::Repitiendo && cuadro) {
        cuadros++;
        while (const char* marca = repeticion.siguienteMarca()) {
            std::printf("Marca %s en el cuadro %d\n", marca, cuadros);
            std::fflush(stdout);
            // Quien repite para mirar el cuadro lo captura mientras el juego está detenido.
            if (detenerEnMarcas) std::raise(SIGSTOP);
        }
    }
}

bool Grabadora::valoresConsola(float* valores, int n) {
    if (modo != Modo::Repitiendo) return false;
    if (!repeticion.siguienteConsola(valores, n))
        for (int i = 0; i < n; i++) valores[i] = 0.0f;
    for (int i = 0; i < n; i++) std::printf(i + 1 < n ? "%g " : "%g\n", static_cast<double>(valores[i]));
    std::fflush(stdout);
    return true;
}

void Grabadora::antesDeEsperar() {
    if (modo == Modo::Grabando) grabacion.vaciar();
}

void Grabadora::anotarConsola(const float* valores, int leidos) {
    if (modo == Modo::Grabando) grabacion.consola(valores, leidos);
}

bool Grabadora::terminarRepeticion() {
    if (modo != Modo::Repitiendo || !repeticion.isTerminada()) return false;
    std::printf("Fin de la repetición de %s\n", nombre.c_str());
    ResumenPartida::imprimir();
    modo = Modo::Apagada;
    return true;
}

void Grabadora::alSalir() {
    Grabadora& g = *getInstance();
    if (g.modo != Modo::Grabando) return;
    g.grabacion.terminar();
    if (g.empezada) ResumenPartida::imprimir();
}
