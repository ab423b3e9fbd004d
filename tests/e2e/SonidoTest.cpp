#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "Comparacion.h"
#include "Sesion.h"

// El juego suena a un archivo con el controlador de disco de SDL: 16 bits, estéreo, un búfer cada 23 ms.

namespace {

using Muestras = std::vector<float>;
// Cuadros por segundo del archivo: los 22 050 del juego o, con la SDL de compatibilidad, los 44 100 de SDL 2.
const size_t SEGUNDO = std::getenv("VQ_BIBLIOTECAS_SDL") ? 44100 : 22050;
const float SILENCIO = 0.002f;

std::string sonarEn(const Carpeta& carpeta) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", (carpeta.ruta() + "/audio.raw").c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "23", 1);
    return carpeta.ruta() + "/audio.raw";
}

Muestras audio(const std::string& ruta) {  // lo escrito hasta ahora, en mono
    const std::string b = leer(ruta);
    std::vector<int16_t> lr(b.size() / 4 * 2);
    if (!lr.empty()) std::memcpy(lr.data(), b.data(), lr.size() * 2);  // vacío, lr.data() es nulo
    Muestras m(lr.size() / 2);
    for (size_t i = 0; i < m.size(); i++) m[i] = (lr[2 * i] + lr[2 * i + 1]) / 65536.0f;
    return m;
}

float pico(const Muestras& m, size_t desde) {
    const auto mayor = [](float p, float x) { return std::max(p, std::fabs(x)); };
    return std::accumulate(m.begin() + std::min(desde, m.size()), m.end(), 0.0f, mayor);
}

// Frecuencia dominante de 25 ms desde `desde`: Goertzel con ventana de Hann, de 2 en 2 Hz.
double dominante(const Muestras& m, size_t desde) {
    const size_t n = SEGUNDO / 40;
    std::pair<double, double> mejor{-1, 0};  // potencia y frecuencia
    for (double f = 60; f < 4000; f += 2) {
        const double k = 2 * std::cos(2 * M_PI * f / SEGUNDO);
        double s1 = 0, s2 = 0;
        for (size_t i = 0; i < n; i++)
            s2 = std::exchange(s1, m[desde + i] * (0.5 - 0.5 * std::cos(2 * M_PI * i / n)) + k * s1 - s2);
        mejor = std::max(mejor, std::pair(s1 * s1 + s2 * s2 - k * s1 * s2, f));
    }
    return mejor.second;
}

// El tono de cada sonido que empieza desde `desde` (la energía de 5 ms salta a más del doble y medio)
// y cae entre las piezas, de 440 a 1976 Hz: lo demás del vuelo es más grave (disparo, paredes, aro,
// salida) o más agudo (las piezas que se van).
std::vector<double> tonosDePiezas(const Muestras& m, size_t desde) {
    const size_t ventana = SEGUNDO / 200;
    std::vector<double> tonos;
    double anterior = 0;
    for (size_t i = desde, ultimo = 0; i + SEGUNDO / 40 <= m.size(); i += ventana) {
        double e = 0;
        for (size_t j = i; j < i + ventana; j++) e += m[j] * m[j] / ventana;
        if (e > 0.0004 && e > 6.25 * anterior && i >= ultimo + 6 * ventana) {
            ultimo = i;
            if (const double f = dominante(m, i); f > 400 && f < 2200) tonos.push_back(f);
        }
        anterior = e;
    }
    return tonos;
}

// Cuántos tonos distintos suben desde el primero hasta que uno baja (un rebote en la pared mientras
// suena una pieza repite su tono).
int subidas(const std::vector<double>& tonos) {
    int n = tonos.empty() ? 0 : 1;
    for (size_t i = 1; i < tonos.size() && tonos[i] > tonos[i - 1] * 0.98; i++) n += tonos[i] > tonos[i - 1] * 1.03;
    return n;
}

// Un tablero lleno de blancos: el tiro a −80 grados suele tocar varios en sus primeros segundos.
std::string grilla() {
    std::string piezas = "99\n";
    for (int fila = 0; fila < 9; fila++)
        for (double x = 0.9 + 0.75 * (fila % 2); x < 17.3; x += 1.5)
            piezas += std::to_string(x) + " " + std::to_string(13.6 - 1.3 * fila) + " 0\n";
    return piezas;
}

int puntos(Sesion& s) { return leerContador(s.mirar(), 690, 530); }

// Espera hasta que se cumpla la condición o pasen 90 s. Con una sesión, mientras tanto hace clic a la
// izquierda: el cañón gira a −80 grados y dispara si la bola espera (en vuelo el clic no hace nada).
bool esperar(const std::function<bool()>& listo, Sesion* clics = nullptr) {
    return esperarQue([&] { return listo() || (clics && (clics->x.clic(clics->ventana, 5, 300), false)); }, 90);
}

}  // namespace

TEST(Sonido, ChoquesQueSubenDeTonoYLaMQueCalla) {
    Carpeta carpeta;
    const std::string ruta = sonarEn(carpeta);
    Sesion s({{"pantalla1.txt", grilla()}, {"derrota.wav", "no es un wav"}});
    ASSERT_NE(s.ventana, 0u) << s.juego->error();
    // Un segundo de silencio antes del primer tiro.
    ASSERT_TRUE(esperar([&] { return audio(ruta).size() >= SEGUNDO; }));
    EXPECT_LT(pico(audio(ruta), 0), SILENCIO);
    // Tras el clic suena y, en un mismo tiro, cada pieza que toca la bola suena un tono más arriba. Si
    // el tiro toca menos de tres, se mira el siguiente.
    std::vector<double> tonos;
    for (int tiro = 0; tiro < 4 && subidas(tonos) < 3; tiro++) {
        const size_t clic = audio(ruta).size();
        s.x.clic(s.ventana, 5, 300);
        esperar([&] {
            const Muestras m = audio(ruta);
            tonos = tonosDePiezas(m, clic);
            return subidas(tonos) >= 4 || m.size() > clic + 10 * SEGUNDO;
        });
        EXPECT_TRUE(tiro > 0 || pico(audio(ruta), clic) > 0.1f);
    }
    EXPECT_GE(subidas(tonos), 3) << testing::PrintToString(tonos);
    // Con la M se calla todo: después la bola sigue tocando piezas (suma puntos) sin que nada suene.
    s.x.tocarTecla(s.ventana, "m");
    ASSERT_TRUE(s.juego->esperarSalida("Sonido: no\n", 10));
    const size_t callado = audio(ruta).size() + SEGUNDO / 5;
    const int antes = puntos(s);
    ASSERT_TRUE(esperar([&] { return puntos(s) > antes; }, &s));
    const size_t despues = audio(ruta).size() + SEGUNDO;
    ASSERT_TRUE(esperar([&] { return audio(ruta).size() >= despues; }));
    EXPECT_LT(pico(audio(ruta), callado), SILENCIO);
    // Un sonido roto se dice una vez y el juego sigue sin él.
    EXPECT_EQ(s.juego->error(), "No se puede cargar el sonido: resources/derrota.wav\n");
}

TEST(Sonido, SinSonidoHastaLaMYSinDispositivoSeJuegaIgual) {
    {
        // Con --sin-sonido ni se abre el audio, aunque la bola toque piezas; la M lo enciende.
        Carpeta carpeta;
        const std::string ruta = sonarEn(carpeta);
        Sesion s({{"pantalla1.txt", grilla()}}, true, JUEGO, {"--sin-sonido"});
        ASSERT_NE(s.ventana, 0u) << s.juego->error();
        ASSERT_TRUE(esperar([&] { return puntos(s) > 0; }, &s));
        EXPECT_EQ(leer(ruta), "");
        s.x.tocarTecla(s.ventana, "m");
        ASSERT_TRUE(s.juego->esperarSalida("Sonido: sí\n", 10));
        EXPECT_TRUE(esperar([&] { return pico(audio(ruta), 0) > 0.1f; }, &s));
        EXPECT_EQ(s.juego->error(), "");
    }
    // Con un controlador que no existe: una línea que lo dice, y el juego juega y dibuja (los puntos).
    setenv("SDL_AUDIODRIVER", "ninguno", 1);
    Sesion s;
    ASSERT_NE(s.ventana, 0u) << s.juego->error();
    EXPECT_TRUE(esperar([&] { return puntos(s) > 0; }, &s));
    const std::string error = s.juego->error();
    EXPECT_EQ(error.rfind("No se puede abrir el sonido, se juega sin él: ", 0), 0u) << error;
    EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
}
