#include "screens/MejorPuntaje.h"

#include <GL/gl.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

#include "core/ArchivoUsuario.h"
#include "core/Opciones.h"
#include "screens/NumerosLinea.h"

namespace {

const double TAMANIO = 15.0;
const float MARGEN = 8.0f, DEBAJO = 5.0f, BORDE = 2.0f;
// Delante de la escena y del panel, detrás de los números (0,1).
const float Z_BORDE = 0.08f, Z_FONDO = 0.09f;
// Los colores del panel: el recuadro de sus contadores.
const float BORDE_COLOR[3] = {0.50f, 0.48f, 0.64f};
const float FONDO_COLOR[3] = {0.97f, 0.96f, 0.91f};

bool soloCifras(const std::string& s, std::size_t desde, std::size_t cantidad) {
    for (std::size_t i = desde; i < desde + cantidad; i++) {
        if (i >= s.size() || s[i] < '0' || s[i] > '9') return false;
    }
    return true;
}

// AAAA-MM-DD, con el mes y el día posibles.
bool esFecha(const std::string& f) {
    if (f.size() != 10 || !soloCifras(f, 0, 4) || f[4] != '-' || !soloCifras(f, 5, 2) ||
        f[7] != '-' || !soloCifras(f, 8, 2))
        return false;
    const int mes = std::stoi(f.substr(5, 2)), dia = std::stoi(f.substr(8, 2));
    return mes >= 1 && mes <= 12 && dia >= 1 && dia <= 31;
}

void rectangulo(float x, float y, float z, float ancho, float alto, const float color[3]) {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glTranslatef(x, y, z);
    glColor3fv(color);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glBegin(GL_QUADS);
    glVertex2f(0.0f, 0.0f);
    glVertex2f(ancho, 0.0f);
    glVertex2f(ancho, alto);
    glVertex2f(0.0f, alto);
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

}  // namespace

MejorPuntaje::MejorPuntaje() {
    if (Opciones::getInstance()->isSinConfiguracion()) return;
    ruta = ArchivoUsuario::ruta("XDG_DATA_HOME", ".local/share", "mejor-puntaje.txt");
    if (ruta.empty()) return;
    std::string texto, motivo, fecha;
    int guardados = 0;
    switch (ArchivoUsuario::leer(ruta, texto, motivo)) {
        case ArchivoUsuario::Lectura::NoExiste:
            return;
        case ArchivoUsuario::Lectura::Leido:
            if (interpretar(texto, guardados, fecha, motivo)) {
                componer(guardados, fecha);
                return;
            }
            break;
        case ArchivoUsuario::Lectura::Fallo:
            break;
    }
    std::fprintf(stderr, "vorlix-quintar: %s: %s; se empieza sin mejor puntaje\n", ruta.c_str(),
                 motivo.c_str());
}

bool MejorPuntaje::interpretar(const std::string& texto, int& puntos, std::string& fecha,
                               std::string& motivo) {
    std::vector<ArchivoUsuario::Linea> lineas;
    if (!ArchivoUsuario::interpretar(texto, lineas, motivo)) return false;
    bool hayPuntos = false, hayFecha = false;
    for (const ArchivoUsuario::Linea& l : lineas) {
        const std::string& v = l.valor;
        bool bien = false;
        if (l.clave == "puntaje" && !v.empty() && v.size() <= 10 && soloCifras(v, 0, v.size()) &&
            std::stoll(v) <= INT_MAX) {
            puntos = static_cast<int>(std::stoll(v));
            bien = hayPuntos = true;
        } else if (l.clave == "fecha" && esFecha(v)) {
            fecha = v;
            bien = hayFecha = true;
        }
        if (!bien) {
            motivo = "línea " + std::to_string(l.numero) + ": no es un puntaje ni una fecha";
            return false;
        }
    }
    if (!hayPuntos || !hayFecha) motivo = "faltan el puntaje o la fecha";
    return hayPuntos && hayFecha;
}

void MejorPuntaje::componer(int nuevos, const std::string& fecha) {
    puntos = nuevos;
    std::snprintf(linea, sizeof linea, "%d  %s", puntos, fecha.c_str());
}

bool MejorPuntaje::registrar(int nuevos) {
    if (ruta.empty() || nuevos <= puntos || nuevos <= 0) return false;
    char hoy[16];
    const std::time_t ahora = std::time(nullptr);
    std::tm local = {};
    localtime_r(&ahora, &local);
    std::strftime(hoy, sizeof hoy, "%Y-%m-%d", &local);
    componer(nuevos, hoy);
    std::printf("Nuevo mejor puntaje: %d\n", puntos);
    std::fflush(stdout);
    const std::string texto = "# Mejor puntaje de Vorlix Quintar y el día en que se hizo.\n"
                              "puntaje = " + std::to_string(puntos) + "\nfecha = " + hoy + "\n";
    std::string motivo;
    if (!ArchivoUsuario::escribir(ruta, texto, motivo))
        std::fprintf(stderr, "vorlix-quintar: no se pudo guardar el mejor puntaje en %s: %s\n",
                     ruta.c_str(), motivo.c_str());
    return true;
}

void MejorPuntaje::dibujar() const {
    if (puntos < 0) return;
    // Cada carácter ocupa una celda; el último, sólo el ancho de su cifra.
    const float ancho = static_cast<float>((std::strlen(linea) - 0.5) * TAMANIO) + 2 * MARGEN;
    const float x = X - MARGEN, y = Y - DEBAJO, alto = static_cast<float>(TAMANIO) + 2 * DEBAJO;
    rectangulo(x - BORDE, y - BORDE, Z_BORDE, ancho + 2 * BORDE, alto + 2 * BORDE, BORDE_COLOR);
    rectangulo(x, y, Z_FONDO, ancho, alto, FONDO_COLOR);
    NumerosLinea::getInstance().dibujarTexto(linea, TAMANIO, X, Y);
}
