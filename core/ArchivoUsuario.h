#ifndef VQ_ARCHIVO_USUARIO_H
#define VQ_ARCHIVO_USUARIO_H

#include <string>
#include <vector>

// Los archivos que el juego guarda para el jugador: dónde van, según las
// variables de XDG, y una escritura que nunca deja medio archivo.
class ArchivoUsuario {
public:
    enum class Lectura { Leido, NoExiste, Fallo };
    struct Linea {
        int numero;
        std::string clave;
        std::string valor;
    };

    // $variable/vorlix-quintar/nombre si la variable es una ruta absoluta; si
    // no, $HOME/porDefecto/vorlix-quintar/nombre; vacío si tampoco hay HOME.
    static std::string ruta(const char* variable, const char* porDefecto, const char* nombre);
    // En motivo, por qué falló.
    static Lectura leer(const std::string& ruta, std::string& contenido, std::string& motivo);
    // Crea las carpetas que falten, escribe un temporal al lado y lo renombra
    // sobre el archivo: quien lea ve el archivo viejo o el nuevo entero.
    static bool escribir(const std::string& ruta, const std::string& contenido, std::string& motivo);
    // Las líneas "clave = valor" del texto, sin las vacías ni los comentarios
    // (#). Falso, con el motivo, ante cualquier otra línea o una clave repetida.
    static bool interpretar(const std::string& texto, std::vector<Linea>& lineas, std::string& motivo);
};

#endif
