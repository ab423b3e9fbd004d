#ifndef VQ_OPCIONES_H
#define VQ_OPCIONES_H

#include <string>

// Lo que se pide en la línea de órdenes. Sin opciones, el juego es el de
// siempre: pregunta por la pantalla completa y no guarda nada.
class Opciones {
public:
    enum class Pantalla { Preguntar, Ventana, Completa };
    // Jugar: seguir con el juego; Salir: terminar con 0 (la ayuda, la
    // versión); Error: terminar con 2 (ya se dijo por qué en la salida de error).
    enum class Resultado { Jugar, Salir, Error };

    static Opciones* getInstance();

    Resultado analizar(int argc, char* argv[]);

    Pantalla getPantalla() const { return pantalla; }
    void setPantalla(Pantalla p) { pantalla = p; }

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

private:
    Pantalla pantalla = Pantalla::Preguntar;
    std::string grabar;
    std::string repetir;
    bool rapido = false;
    bool salirAlFinal = false;
    bool detenerEnMarcas = false;
};

#endif
