#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Ayudas.h"
#include "core/Juego.h"
#include "playfield/Pieza.h"
#include "screens/CargadorNivel.h"

TEST(NivelesEntregados, LosTresNivelesCumplenLasReglas) {
    Juego& juego = Ayudas::juego();
    size_t desde = 0;
    int primeraDeCadaNivel[3];
    for (int nivel = 1; nivel <= 3; nivel++) {
        const std::string nombre = "resources/pantalla" + std::to_string(nivel) + ".txt";
        testing::internal::CaptureStderr();
        CargadorNivel().cargarNivel(juego, nombre.c_str());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << nombre;
        const auto& piezas = juego.getPiezas();
        const size_t total = piezas.size() - desde;
        EXPECT_GE(total, 40u) << nombre;
        EXPECT_LE(total, 100u) << nombre;
        int porTipo[4] = {0, 0, 0, 0};
        for (size_t i = desde; i < piezas.size(); i++) {
            const Pieza& p = *piezas[i];
            ASSERT_LT(p.getTipo(), 4u) << nombre << " pieza " << i - desde;
            porTipo[p.getTipo()]++;
            EXPECT_GE(p.getX(), 0.6f) << nombre << " pieza " << i - desde;
            EXPECT_LE(p.getX(), 17.4f) << nombre << " pieza " << i - desde;
            EXPECT_GT(p.getY(), 2.0f) << nombre << " pieza " << i - desde;
            EXPECT_LE(p.getY(), 14.4f) << nombre << " pieza " << i - desde;
            EXPECT_GE(std::hypot(p.getX() - 9.0f, p.getY() - 15.0f), 0.9f) << nombre;
            for (size_t j = desde; j < i; j++) {
                const Pieza& q = *piezas[j];
                EXPECT_GE(std::hypot(p.getX() - q.getX(), p.getY() - q.getY()), 0.9f)
                    << nombre << " piezas " << j - desde << " y " << i - desde;
            }
        }
        EXPECT_GE(porTipo[0], 15) << nombre;
        EXPECT_LE(porTipo[0], 40) << nombre;
        for (int t = 1; t < 4; t++) EXPECT_GT(porTipo[t], 0) << nombre << " tipo " << t;
        primeraDeCadaNivel[nivel - 1] = static_cast<int>(total);
        desde = piezas.size();
    }
    // Tres niveles distintos, no el mismo archivo tres veces.
    const auto& piezas = juego.getPiezas();
    const size_t a = 0, b = primeraDeCadaNivel[0], c = b + primeraDeCadaNivel[1];
    EXPECT_FALSE(piezas[a]->getX() == piezas[b]->getX() && piezas[b]->getX() == piezas[c]->getX() &&
                 primeraDeCadaNivel[0] == primeraDeCadaNivel[1]);
}
