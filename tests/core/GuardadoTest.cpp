#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "Carpeta.h"
#include "core/ArchivoUsuario.h"
#include "core/Configuracion.h"
#include "playfield/ModoRender.h"
#include "screens/MejorPuntaje.h"

// Los ajustes y el puntaje se leen también escritos a mano; una línea ajena rechaza el archivo
// entero, con su número. La escritura crea las carpetas, no deja temporales y falla diciendo por qué.
TEST(Guardado, EscritosAManoAjenosYEscrituraEntera) {
    EXPECT_TRUE(ModoRender::getInstance()->isTexturado());  // de fábrica, antes de que arranque el juego
    Configuracion::Ajustes b;
    b.modo = Configuracion::SUAVE;
    std::string motivo, fecha;
    ASSERT_TRUE(Configuracion::interpretar("\tvelocidad=0,25\r\n\n# escala = 9\nescala = 3", b, motivo));
    EXPECT_TRUE(b.velocidad == 1 && b.escala == 3 && b.modo == Configuracion::SUAVE && b.luces[2]);
    const std::pair<std::string, std::string> ajustes[] = {
        {"modo: plano\n", "línea 1: no es «clave = valor»"}, {"\n = suave\n", "línea 2: no es «clave = valor»"},
        {std::string("modo = plano\0\n", 14), "línea 1: no es «clave = valor»"}, {"luz difusa = si\n", ""},
        {"escala = 1\nescala = 2\n", "línea 2: clave repetida"}, {"escala = 5\n", ""}, {"velocidad = 1.0\n", ""}};
    for (const auto& [texto, esperado] : ajustes) {
        EXPECT_FALSE(Configuracion::interpretar(texto, b, motivo)) << texto;
        EXPECT_EQ(motivo, esperado.empty() ? "línea 1: no es un ajuste del juego" : esperado) << texto;
    }
    int puntos = 0;
    ASSERT_TRUE(MejorPuntaje::interpretar("# M\npuntaje = 2147483647\nfecha = 2026-12-31\n", puntos, fecha, motivo));
    EXPECT_TRUE(puntos == 2147483647 && fecha == "2026-12-31");
    for (const char* malo : {"puntaje = 5\n", "puntaje = 2147483648\nfecha = 2026-01-01", "puntaje = 5\nfecha = 2026-13-01"})
        EXPECT_FALSE(MejorPuntaje::interpretar(malo, puntos, fecha, motivo)) << malo;
    Carpeta carpeta;
    const std::string ruta = carpeta.ruta() + "/a/b/x.txt";
    ASSERT_TRUE(ArchivoUsuario::escribir(ruta, "uno", motivo) && ArchivoUsuario::escribir(ruta, "dos", motivo));
    EXPECT_FALSE(ArchivoUsuario::escribir(ruta + "/y", "tres", motivo));
    EXPECT_EQ(motivo, "una parte de la ruta no es una carpeta");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(carpeta.ruta() + "/a/b"), {}), 1);  // sin temporales
}
