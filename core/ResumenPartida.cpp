#include "core/ResumenPartida.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "core/Camara.h"
#include "core/Canion.h"
#include "core/Iluminacion.h"
#include "core/Juego.h"
#include "particles/Fuegos.h"
#include "particles/Particula.h"
#include "particles/SistemaParticulas.h"
#include "playfield/Gvector.h"
#include "playfield/ModoRender.h"
#include "playfield/Pelotita.h"
#include "playfield/Pieza.h"
#include "playfield/Plataforma.h"
#include "screens/Imagen2D.h"
#include "screens/Interfaz.h"
#include "screens/Niveles.h"

namespace {

class Fnv {
public:
    template <typename... T>
    void agregar(T... valores) {
        (bytes(&valores, sizeof valores), ...);
    }
    void agregar(const Gvector& v) { agregar(v.getX(), v.getY(), v.getZ()); }
    uint64_t valor() const { return h; }

private:
    void bytes(const void* datos, size_t n) {
        const unsigned char* b = static_cast<const unsigned char*>(datos);
        for (size_t i = 0; i < n; i++) h = (h ^ b[i]) * 1099511628211ull;
    }
    uint64_t h = 14695981039346656037ull;
};

}  // namespace

uint64_t ResumenPartida::huella() {
    Juego& j = *Juego::getInstance();
    const Interfaz& ui = *Interfaz::getInstance();
    const ModoRender& modo = *ModoRender::getInstance();
    const Iluminacion& luces = *j.getIluminacion();
    Fnv f;
    f.agregar(ui.getPuntos(), ui.getBolas(), ui.getNivel(), Niveles::getInstance()->getNivel());
    f.agregar(j.getEstado(), j.getPelotitasRestantes(), j.getVelocidad(), j.getCanion().getAngulo());
    f.agregar(j.getCamaraActual(), j.isCamaraFija(), j.getRotacionX(), j.getRotacionZ());
    f.agregar(j.getCamara().getOjo());
    f.agregar(j.getCamara().getCentro());
    const float* luz = j.getPosicionLuz();
    f.agregar(luz[0], luz[1], luz[2], luces.isAmbientalEncendida(), luces.isDifusaEncendida(),
              luces.isEspecularEncendida());
    f.agregar(modo.isFacetado(), modo.isInterpolado(), modo.isTexturado(), modo.isWireframe());
    f.agregar(j.getPlataforma().getFase(), j.getPlataforma().getCentro());
    for (const Pelotita* p : j.getPelotitas()) f.agregar(p->getX(), p->getY(), p->getVelX(), p->getVelY());
    for (const Pieza* p : j.getPiezas())
        f.agregar(p->getX(), p->getY(), p->getTipo(), p->isVisible(), p->isGolpeada());
    f.agregar(ui.getImagenGanar().isVisible(), ui.getImagenPerder().isVisible(),
              ui.getPaginaAyuda().isVisible(), ui.getPaginaAjustes().isVisible());
    for (int i = 0; i < Interfaz::CANTIDAD_TICKS; i++) f.agregar(ui.getTick(i).isVisible());
    f.agregar(j.isFuegosActivos());
    for (int i = 0; i < Fuegos::CANTIDAD; i++) {
        const SistemaParticulas& s = j.getFuegos().getSistema(i);
        const Vec3& lugar = s.getPosicion();
        f.agregar(s.getReloj(), s.getCantidadActivas(), lugar.x, lugar.y, lugar.z);
        for (const Particula* p = s.getActivas(); p != nullptr; p = p->siguiente)
            f.agregar(p->posicion.x, p->posicion.y, p->posicion.z);
    }
    return f.valor();
}

void ResumenPartida::imprimir() {
    const Interfaz& ui = *Interfaz::getInstance();
    std::printf("Resumen: puntos %d, bolas %d, nivel %d, huella %016" PRIx64 "\n", ui.getPuntos(),
                ui.getBolas(), ui.getNivel(), huella());
    std::fflush(stdout);
}
