#ifndef VQ_GL_TEXTURE_H
#define VQ_GL_TEXTURE_H

#include <cstddef>
#include <string>
#include <vector>

// La textura de un material del modelo 3DS: una imagen BMP o TGA, o un solo
// color, subida con todos sus niveles de mipmap.
class GLTexture {
public:
    // Una imagen TGA sin comprimir ya pasada a rojo, verde, azul (y alfa).
    struct ImagenTga {
        int width = 0;
        int height = 0;
        int bits = 0;
        std::vector<unsigned char> pixels;
    };

    GLTexture() = default;
    virtual ~GLTexture();
    GLTexture(const GLTexture&) = delete;
    GLTexture& operator=(const GLTexture&) = delete;

    // La extensión decide el lector: ".bmp" en cualquier lugar del nombre
    // carga siempre resources/hyperb.bmp; ".tga", el archivo nombrado. Si
    // falla, la textura queda como estaba.
    void Load(const char* fileName);
    void BuildColorTexture(unsigned char r, unsigned char g, unsigned char b);
    void Bind() const;

    unsigned int getTexture() const { return texture; }
    int getWidth() const { return width; }
    int getHeight() const { return height; }
    const std::string& getFileName() const { return fileName; }

    // Un nombre con comillas dobles se queda con su primer trozo entre ellas:
    // "\"a.tga\"" da "a.tga".
    static std::string sinComillas(const std::string& nombre);

    // Sólo TGA de tipo 2 (color verdadero sin comprimir), de 24 o 32 bits,
    // sin identificador, sin paleta y con origen (0, 0). Falso si no es eso
    // o si los píxeles no caben en los datos. Pasada la cabecera, ancho y alto
    // quedan en imagen aunque lo que sigue se rechace.
    static bool leerTga(const unsigned char* datos, size_t largo, ImagenTga& imagen);

private:
    void cargarBmp();
    void cargarTga();
    void nombreNuevo();
    void subir(int componentes, int ancho, int alto, unsigned int formato,
               const unsigned char* pixeles);

    std::string fileName;
    unsigned int texture = 0;
    int width = 0;
    int height = 0;
};

#endif
