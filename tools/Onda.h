#ifndef VQ_HERRAMIENTAS_ONDA_H
#define VQ_HERRAMIENTAS_ONDA_H

#include <cstdint>
#include <string>
#include <vector>

// Un sonido en mono, de 22 050 muestras por segundo, que se arma sumando
// tonos y ruidos y se guarda como WAV de 16 bits. Cada parte termina con un
// desvanecido corto: ningún corte se oye como un chasquido.
class Onda {
public:
    static constexpr int MUESTRAS_POR_SEGUNDO = 22050;

    explicit Onda(double segundos);

    int getCantidad() const { return static_cast<int>(muestras.size()); }
    const std::vector<double>& getMuestras() const { return muestras; }

    // Un tono desde el segundo `desde`, que se desliza de f0 a f1 Hz (en
    // escala exponencial) durante `duracion`; sube en `ataque` segundos y cae
    // con la constante de tiempo `caida`.
    void tono(double desde, double duracion, double f0, double f1, double amplitud, double ataque,
              double caida);
    // Ruido reproducible, suavizado por un filtro de un polo: `brillo` 1 lo
    // deja como está, cerca de 0 lo deja grave.
    void ruido(double desde, double duracion, double amplitud, double ataque, double caida,
               double brillo, uint32_t semilla);
    // Suma otra onda desde el segundo `desde`; con `enCiclo`, lo que pasa del
    // final vuelve al principio (para sonidos que se repiten sin costura).
    void sumar(const Onda& otra, double desde, bool enCiclo = false);
    // Escala para que el pico valga `pico`.
    void normalizar(double pico);

    // RIFF/WAVE PCM de 16 bits con signo, mono.
    std::string aWav() const;

private:
    // Ataque lineal, caída exponencial y el desvanecido del final de la parte.
    static double envolvente(double t, double duracion, double ataque, double caida);
    int muestra(double segundos) const;

    std::vector<double> muestras;
};

#endif
