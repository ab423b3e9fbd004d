#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "Ayudas.h"
#include "core/Altavoz.h"
#include "core/Canion.h"
#include "core/Juego.h"
#include "core/Oido.h"
#include "playfield/Plataforma.h"

namespace {

const char* const NOMBRES[CANTIDAD_EFECTOS] = {
    "disparo", "pieza0",  "pieza1",   "pieza2",  "pieza3", "pared", "extremo", "atrapada",
    "salida",  "desaparecen", "nivel", "victoria", "derrota", "boton", "tick",  "chispas"};

// Anota los pedidos al altavoz, separados por espacios; el paso, si no es 0, tras dos puntos.
class Anotador : public Altavoz {
public:
    void encender(bool e) override { anotar(e ? "encender" : "apagar"); }
    void tocar(Efecto e, int paso) override { anotar(NOMBRES[int(e)] + (paso ? ":" + std::to_string(paso) : "")); }
    void chispas(bool suenan) override { anotar(suenan ? "chispas" : "sin-chispas"); }
    void pausar(bool pausa) override { anotar(pausa ? "pausa" : "sigue"); }
    std::string tomar() { return std::exchange(pedidos, ""); }

private:
    void anotar(const std::string& s) { pedidos += (pedidos.empty() ? "" : " ") + s; }
    std::string pedidos;
};

}  // namespace

TEST(Oido, CadaSucesoPideSuSonidoEnOrden) {
    Carpeta carpeta(true);
    // Nivel 1: cuatro piezas, una de cada tipo, bajo el cañón; el 2 con una gris lejos, el 3 vacío.
    Juego& juego = Ayudas::juegoConNiveles(carpeta, "4\n9.3 12 0\n8.6 9 1\n9.5 6 2\n8.8 3 3\n", "1\n17 14 1\n", "0\n");
    Anotador altavoz;
    Oido oido(altavoz);
    oido.empezar(juego);
    const auto paso = [&] { juego.actualizar(Ayudas::PASO), oido.escuchar(juego); };
    // Lo que se pide al altavoz tras hacer algo y dar un paso.
    const auto oir = [&](auto accion) { return accion(), paso(), altavoz.tomar(); };
    const auto clic = [&](int x, int y) { return oir([&] { Ayudas::clic(juego, x, y); }); };
    const auto tecla = [&](SDLKey t) { return oir([&] { Ayudas::pulsar(juego, t); }); };
    const auto tiro = [&](float angulo) {
        juego.getCanion().rotar(angulo - juego.getCanion().getAngulo());
        Ayudas::clic(juego);
        for (int i = 0; i < 5000 && (i == 0 || juego.getEstado() == Juego::EN_VUELO); i++) paso();
        return altavoz.tomar();
    };
    EXPECT_EQ(altavoz.tomar(), "encender");
    // Botones y ticks del panel; una página abierta pausa lo que suena del juego.
    EXPECT_EQ(clic(700, 345), "boton pausa");
    EXPECT_EQ(clic(296, 175), "tick");
    EXPECT_EQ(clic(600, 160), "boton sigue");
    // Un tiro que toca las cuatro, rebota en la pared y despeja el nivel.
    EXPECT_EQ(tiro(0), "disparo pieza0 pared pieza2:1 pieza1:2 salida desaparecen nivel");
    // El aro que retiene la bola: una campanada cada cuatro bolas, cada una más aguda.
    for (float f = 0; f < 0.43f || f > 0.45f; f = std::fmod(juego.getPlataforma().getFase(), float(M_PI / 4))) paso();
    EXPECT_EQ(tiro(35), "disparo atrapada atrapada:1 atrapada:2 atrapada:3 extremo pared salida nivel");
    EXPECT_EQ(tiro(0), "disparo salida victoria chispas");
    // Las chispas siguen en la pausa; apagado calla todo y al encender vuelven; el cartel las apaga.
    EXPECT_EQ(tecla(SDLK_p), "pausa");
    EXPECT_EQ(tecla(SDLK_m), "apagar");
    EXPECT_EQ(tecla(SDLK_m), "encender chispas");
    EXPECT_EQ(tecla(SDLK_p), "sigue");
    EXPECT_EQ(clic(400, 300), "sin-chispas");
    // Sin sonido no se pide nada.
    EXPECT_EQ(tecla(SDLK_m), "apagar");
    EXPECT_EQ(tiro(0), "");
    EXPECT_EQ(tecla(SDLK_m), "encender");
    // Derrota: el último blanco cae con la última bola, y los pasos vuelven a empezar en cada tiro.
    while (juego.getPelotitasRestantes() > 1) tiro(60);
    EXPECT_EQ(tiro(0), "disparo pieza0 pared pieza2:1 pieza1:2 salida desaparecen derrota");
}
