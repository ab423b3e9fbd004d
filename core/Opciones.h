#ifndef VQ_OPCIONES_H
#define VQ_OPCIONES_H

#include <string>

// Lo que se pide en la línea de órdenes. Sin opciones, el juego pregunta
// por la pantalla completa y usa los ajustes guardados.
class Opciones {
public:
    enum class Pantalla { Preguntar, Ventana, Completa };
    // Jugar: seguir con el juego; Salir: terminar con 0 (la ayuda, la
    // versión); Error: terminar con 2 (ya se dijo por qué en la salida de error).
    enum class Resultado { Jugar, Salir, Error };
    // Sin --escala vale la de los ajustes guardados.
    static constexpr int ESCALA_NO_PEDIDA = -1;

    static Opciones* getInstance();

    Resultado analizar(int argc, char* argv[]);

    Pantalla getPantalla() const { return pantalla; }
    void setPantalla(Pantalla p) { pantalla = p; }
    bool isSonido() const { return sonido; }
    void setSonido(bool s) { sonido = s; }

    // Partidas grabadas: archivos (vacío si no se pidió), ya con la ruta
    // desde donde se llamó al juego, y cómo se repite.
    const std::string& getGrabar() const { return grabar; }
    void setGrabar(const std::string& ruta) { grabar = ruta; }
    const std::string& getRepetir() const { return repetir; }
    void setRepetir(const std::string& ruta) { repetir = ruta; }
    bool isRapido() const { return rapido; }
    void setRapido() { rapido = true; }
    bool isSalirAlFinal() const { return salirAlFinal; }
    void setSalirAlFinal() { salirAlFinal = true; }
    bool isDetenerEnMarcas() const { return detenerEnMarcas; }
    void setDetenerEnMarcas() { detenerEnMarcas = true; }
    // 1 a 4, Escala::AUTOMATICA o ESCALA_NO_PEDIDA.
    int getEscala() const { return escala; }
    void setEscala(int e) { escala = e; }
    // Ni se leen ni se guardan los ajustes y el mejor puntaje.
    bool isSinConfiguracion() const { return sinConfiguracion; }
    void setSinConfiguracion(bool s) { sinConfiguracion = s; }

private:
    Pantalla pantalla = Pantalla::Preguntar;
    std::string grabar;
    std::string repetir;
    bool rapido = false;
    bool salirAlFinal = false;
    bool detenerEnMarcas = false;
    bool sonido = true;
    int escala = ESCALA_NO_PEDIDA;
    bool sinConfiguracion = false;
};

#endif
