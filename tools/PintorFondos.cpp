#include "tools/PintorFondos.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "tools/Ruido.h"

namespace {

constexpr double PI = 3.14159265358979323846;

void estrellas(Lienzo& l, uint32_t semilla, int cuantas, double hastaY) {
    for (int i = 0; i < cuantas; ++i) {
        const double x = Ruido::azar(semilla, 3 * i) * l.getAncho();
        const double y = Ruido::azar(semilla, 3 * i + 1) * hastaY;
        const double brillo = Ruido::azar(semilla, 3 * i + 2);
        const double radio = brillo > 0.93 ? 1.3 : 0.6 + 0.4 * brillo;
        if (brillo > 0.93) l.disco(x, y, 4.0, {0.75, 0.72, 0.6}, 0.12);
        l.disco(x, y, radio, {0.85, 0.83, 0.75}, 0.35 + 0.5 * brillo);
    }
}

}  // namespace

Lienzo PintorFondos::atardecerMarino() {
    Lienzo l(ANCHO, ALTO);
    const double horizonte = 250;
    const double solX = 288, solY = 236, solR = 92;
    l.sombrear([&](double x, double y) -> Color {
        if (y < horizonte) {
            Color cielo =
                Color::mezcla({0.09, 0.13, 0.22}, {0.55, 0.30, 0.20}, std::pow(y / horizonte, 1.6));
            const double nube = Ruido::suave(0.55, 0.75, Ruido::valor(x / 140, y / 28, 11, 4));
            cielo =
                Color::mezcla(cielo, {0.30, 0.17, 0.18}, 0.55 * nube * Ruido::suave(20, 120, y));
            const double d = std::hypot(x - solX, y - solY);
            cielo = Color::mezcla(cielo, {0.70, 0.45, 0.25},
                                  0.35 * std::exp(-std::pow((d - solR) / 60, 2)) * (d > solR));
            // Franjas horizontales que cortan la mitad baja del sol.
            const double franja = y > solY - 30 ? std::fmod(y - (solY - 30), 18.0) : 0.0;
            const double dentro =
                std::clamp(solR - d + 0.5, 0.0, 1.0) * (franja < 12.0 || y < solY - 30 ? 1.0 : 0.0);
            const Color sol = Color::mezcla({0.86, 0.66, 0.34}, {0.80, 0.40, 0.22},
                                            Ruido::suave(solY - solR, solY, y));
            return Color::mezcla(cielo, sol, dentro);
        }
        // Mar: bandas de olas que se aclaran en la cresta y se oscurecen hacia abajo.
        const double prof = (y - horizonte) / (ALTO - horizonte);
        const double frecuencia = 0.018 / (0.25 + prof);
        const double ola = std::sin(x * frecuencia + y * 0.05 + 2.3 * std::sin(y * 0.037));
        const double banda =
            std::fmod((y - horizonte) + 14 * ola + 400, 34.0 + 30 * prof) / (34.0 + 30 * prof);
        Color mar = Color::mezcla({0.12, 0.24, 0.27}, {0.04, 0.10, 0.13}, prof);
        mar = Color::mezcla(mar, {0.26, 0.40, 0.40}, 0.45 * std::pow(1 - banda, 6));
        // Reflejo del sol: trazos cálidos bajo el disco, más anchos hacia adelante.
        const double ancho = 40 + 110 * prof;
        const double reflejo = (1 - Ruido::suave(0.4, 1.0, std::fabs(x - solX) / ancho)) *
                               Ruido::suave(0.55, 0.8, Ruido::valor(x / 30, y / 4, 23, 2)) *
                               (1 - 0.6 * prof);
        return Color::mezcla(mar, {0.78, 0.52, 0.30}, 0.7 * reflejo);
    });
    l.rellenar(0, static_cast<int>(horizonte), ANCHO, static_cast<int>(horizonte) + 1,
               {0.40, 0.27, 0.22});
    return l;
}

Lienzo PintorFondos::planetaAnillado() {
    Lienzo l(ANCHO, ALTO);
    const double px = 330, py = 190, pr = 105;
    const double inclinacion = -0.32;
    const double anilloA = 215, anilloB = 52;
    const double ci = std::cos(inclinacion), si = std::sin(inclinacion);
    // Cobertura de los anillos: la mitad de abajo de la elipse pasa por delante
    // del planeta y la de arriba por detrás.
    auto anillo = [&](double x, double y, bool delante) -> double {
        const double u = (x - px) * ci + (y - py) * si;
        const double v = -(x - px) * si + (y - py) * ci;
        if ((v > 0) != delante) return 0.0;
        const double e = std::hypot(u / anilloA, v / anilloB);
        const double banda =
            Ruido::suave(0.62, 0.66, e) * (1 - Ruido::suave(0.97, 1.0, e)) *
            (1 - 0.75 * (Ruido::suave(0.78, 0.79, e) - Ruido::suave(0.82, 0.83, e)));
        return banda * (0.75 + 0.25 * std::sin(e * 90));
    };
    l.sombrear([&](double x, double y) -> Color {
        Color c = Color::mezcla({0.03, 0.03, 0.07}, {0.07, 0.05, 0.09}, y / ALTO);
        const double nebulosa = Ruido::suave(0.45, 0.8, Ruido::valor(x / 170, y / 120, 5, 5));
        c = Color::mezcla(c, {0.26, 0.13, 0.08}, 0.55 * nebulosa);
        c = Color::mezcla(c, {0.08, 0.17, 0.18},
                          0.45 * Ruido::suave(0.5, 0.8, Ruido::valor(x / 90 + 7, y / 150, 9, 4)));
        return c;
    });
    estrellas(l, 77, 260, ALTO);
    Lienzo capa = l;
    capa.sombrear([&](double x, double y) -> Color {
        Color c = l.leer(static_cast<int>(x), static_cast<int>(y));
        c = Color::mezcla(c, {0.62, 0.53, 0.40}, 0.8 * anillo(x, y, false));
        const double d = std::hypot(x - px, y - py);
        if (d < pr + 1) {
            // Bandas del planeta inclinadas como los anillos, con sombra a la derecha.
            const double v = -(x - px) * si + (y - py) * ci;
            const double bandas =
                0.5 + 0.5 * std::sin(v / 9 + 1.5 * Ruido::valor(x / 40, y / 12, 31, 3));
            Color planeta = Color::mezcla({0.50, 0.36, 0.22}, {0.66, 0.54, 0.36}, bandas);
            const double luz =
                std::clamp(0.35 + 0.65 * (-(x - px) * 0.6 - (y - py) * 0.5) / pr + 0.45, 0.18, 1.0);
            planeta = planeta.por(luz);
            c = Color::mezcla(c, planeta, std::clamp(pr - d + 0.5, 0.0, 1.0));
        }
        return Color::mezcla(c, {0.66, 0.57, 0.44}, 0.85 * anillo(x, y, true));
    });
    // Una luna pequeña abajo a la izquierda.
    capa.disco(92, 392, 30, {0.36, 0.38, 0.42});
    capa.disco(100, 386, 26, {0.46, 0.47, 0.50}, 0.8);
    capa.disco(84, 398, 6, {0.34, 0.35, 0.38}, 0.8);
    capa.disco(104, 376, 4, {0.38, 0.39, 0.42}, 0.8);
    return capa;
}

Lienzo PintorFondos::cordillera() {
    Lienzo l(ANCHO, ALTO);
    const double lunaX = 470, lunaY = 78, lunaR = 38;
    // Cuatro cordones de montañas, del más lejano (claro) al más cercano (oscuro).
    struct Cordon {
        double base, alto, escala;
        uint32_t semilla;
        Color color;
    };
    const Cordon cordones[] = {{250, 150, 190, 41, {0.27, 0.29, 0.40}},
                               {310, 120, 150, 43, {0.19, 0.21, 0.30}},
                               {370, 100, 120, 47, {0.12, 0.13, 0.19}},
                               {430, 80, 95, 53, {0.06, 0.07, 0.09}}};
    auto cresta = [](const Cordon& c, double x) {
        const double r = Ruido::valor(x / c.escala, c.semilla * 0.37, c.semilla, 4);
        return c.base - c.alto * (r - 0.3) * 1.6;
    };
    l.sombrear([&](double x, double y) -> Color {
        Color c = Color::mezcla({0.14, 0.16, 0.26}, {0.64, 0.46, 0.36}, Ruido::suave(0, 330, y));
        const double d = std::hypot(x - lunaX, y - lunaY);
        c = Color::mezcla(c, {0.60, 0.55, 0.46}, 0.30 * std::exp(-std::pow(d / 70, 2)));
        const Color luna = Color::mezcla({0.80, 0.76, 0.64}, {0.70, 0.66, 0.56},
                                         (x - lunaX + lunaR) / (2 * lunaR));
        c = Color::mezcla(c, luna, std::clamp(lunaR - d + 0.5, 0.0, 1.0));
        for (const Cordon& k : cordones) {
            const double borde = cresta(k, x);
            if (y + 1 < borde) continue;
            // Bruma: cada cordón se aclara hacia su pie.
            const Color roca = Color::mezcla(k.color, {0.46, 0.38, 0.38},
                                             0.30 * Ruido::suave(borde + 20, k.base + 110, y));
            c = Color::mezcla(c, roca, std::clamp(y + 0.5 - borde, 0.0, 1.0));
        }
        return c;
    });
    // Cráteres tenues en la luna.
    const double crateres[][3] = {{-12, -10, 9}, {14, 6, 7}, {-4, 18, 5}, {10, -20, 4}};
    for (const auto& k : crateres)
        l.disco(lunaX + k[0], lunaY + k[1], k[2], {0.62, 0.58, 0.50}, 0.6);
    // Pinos en el cordón más cercano.
    const Cordon& cerca = cordones[3];
    for (int i = 0; i < 34; ++i) {
        const double x = 8 + i * 17 + 9 * Ruido::azar(91, i);
        const double alto = 22 + 22 * Ruido::azar(93, i);
        const double pie = cresta(cerca, x) + 16;
        const Color pino{0.05, 0.07, 0.06};
        for (int n = 0; n < 3; ++n) {
            const double arriba = pie - alto + n * alto * 0.25;
            const double ancho = alto * (0.22 + 0.1 * n);
            for (int y = static_cast<int>(arriba); y < pie - (2 - n) * alto * 0.2; ++y) {
                const double medio = ancho * (y - arriba) / (alto * 0.6);
                for (int xx = static_cast<int>(x - medio - 1);
                     xx <= static_cast<int>(x + medio + 1); ++xx)
                    l.mezclar(xx, y, pino,
                              std::clamp(medio - std::fabs(xx + 0.5 - x) + 0.5, 0.0, 1.0));
            }
        }
        l.rellenar(static_cast<int>(x) - 1, static_cast<int>(pie - alto * 0.3),
                   static_cast<int>(x) + 2, static_cast<int>(pie) + 4, pino);
    }
    return l;
}
