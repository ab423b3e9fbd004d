#ifndef VQ_JUEGO_H
#define VQ_JUEGO_H

#include <SDL.h>
#include <vector>

class Camara;
class Canion;
class Fuegos;
class Iluminacion;
class ModoRender;
class Pelotita;
class Pieza;
class Plataforma;
class Rectangulo;

// El juego: dueño de la ventana y de la escena, del estado de la partida y
// de sus tablas. Crearlo es todo el arranque del programa.
class Juego {
public:
    static constexpr int LISTO = 0;
    static constexpr int EN_VUELO = 1;
    static constexpr int PAUSA = 2;
    static constexpr int MAX_CAMARAS = 10;
    static constexpr int CANTIDAD_VELOCIDADES = 9;
    static constexpr int PELOTITAS_POR_PARTIDA = 20;

    static Juego* getInstance();
    ~Juego();
    Juego(const Juego&) = delete;
    Juego& operator=(const Juego&) = delete;

    bool isCorriendo() const { return corriendo; }
    void setFps(int f) { fps = f; }
    void salir();

    void manejarEvento(const SDL_Event* evento);
    void actualizar(float dt);
    void dibujar();

    void agregarPelotita(Pelotita* p);
    void reiniciarPelotita();
    void agregarPieza(Pieza* p);
    void crearPieza(float x, float y, int tipo);
    void cambiarFondo(const char* nombreArchivo);
    void agregarCamara(float ox, float oy, float oz, float cx, float cy, float cz, float ax,
                       float ay, float az);
    void seleccionarCamara(int indice);
    void alternarPausa();
    void setIndiceVelocidad(int i);
    // Como setIndiceVelocidad, sin anunciarlo: la velocidad guardada al arrancar.
    void restaurarVelocidad(int i) { indiceVelocidad = i; }
    int getIndiceVelocidad() const { return indiceVelocidad; }
    void apagarFuegos() { fuegosActivos = false; }
    bool isFuegosActivos() const { return fuegosActivos; }
    bool isSonido() const { return sonido; }
    Iluminacion* getIluminacion() { return luces; }
    void setLuzX(float v) { posicionLuz[0] = v; }
    void setLuzY(float v) { posicionLuz[1] = v; }
    void setLuzZ(float v) { posicionLuz[2] = v; }

    int getEstado() const { return estado; }
    int getFps() const { return fps; }
    float getVelocidad() const { return velocidades[indiceVelocidad]; }
    int getCamaraActual() const { return camaraActual; }
    bool isCamaraFija() const { return camaraFija; }
    float getRotacionX() const { return rotacionX; }
    float getRotacionZ() const { return rotacionZ; }
    const float* getPosicionLuz() const { return posicionLuz; }
    int getPelotitasRestantes() const { return pelotitasRestantes; }
    const Camara& getCamara() const { return *camara; }
    Rectangulo& getTablero() { return *tablero; }
    Canion& getCanion() { return *canion; }
    Fuegos& getFuegos() { return *fuegos; }
    Plataforma& getPlataforma() { return *plataforma; }
    const std::vector<Pelotita*>& getPelotitas() const { return pelotitas; }
    const std::vector<Pieza*>& getPiezas() const { return piezas; }

private:
    // La bola, el cañón y el aro se mueven en el plano z = 0,5; la bola espera en lo alto.
    static constexpr float ALTO_CANION = 15.0f;
    static constexpr float Z_JUEGO = 0.5f;

    Juego();
    void abrirVentana();
    void prepararEscena();
    void prepararOpenGL();
    void crearObjetos();
    void prepararCamaras();
    void prepararLuces();
    void prepararPartida();
    void prepararFuegos();

    void teclaPresionada(const SDL_Event* evento);
    void teclaLiberada(const SDL_Event* evento);
    void movimientoMouse(const SDL_Event* evento);
    void botonPresionado(const SDL_Event* evento);
    void botonLiberado(const SDL_Event* evento);
    bool accionTecla(SDLKey tecla);
    void cambiarModo(bool facetado, bool interpolado, bool texturado, bool wireframe,
                     const char* palabra);
    void leerColorLuz(int luz, const char* pregunta);
    void cambiarVelocidad(int paso);
    void alternarSonido();
    void siguienteCamara();
    void alternarCamara();
    void moverFuego(int indice);
    void disparar();
    void terminarTiro();
    void terminarNivel();

    SDL_Surface* pantalla = nullptr;
    bool corriendo = false;
    int estado = LISTO;
    int estadoGuardado = LISTO;
    bool botonIzquierdo = false;
    bool fuegosActivos = false;
    int camaraActual = 0;
    float camaras[MAX_CAMARAS][9] = {};
    int maxCamaras = MAX_CAMARAS;
    int cantCamaras = 0;
    float rotacionZ = 0.0f;
    float rotacionX = 0.0f;
    bool botonDerecho = false;
    Camara* camara = nullptr;
    bool camaraFija = true;
    bool teclaRetenida = false;
    int fps = 0;
    Rectangulo* tablero = nullptr;
    std::vector<Pelotita*> pelotitas;
    std::vector<Pieza*> piezas;
    Canion* canion = nullptr;
    Plataforma* plataforma = nullptr;
    Iluminacion* luces = nullptr;
    int indiceVelocidad = 4;
    float velocidades[CANTIDAD_VELOCIDADES] = {0.1f, 0.25f, 0.5f, 0.75f, 1.0f,
                                               1.25f, 1.5f, 2.0f, 4.0f};
    ModoRender* modoRender = nullptr;
    float posicionLuz[3] = {0.0f, 0.0f, 0.0f};
    Fuegos* fuegos = nullptr;
    int pelotitasRestantes = PELOTITAS_POR_PARTIDA;
    // Lo escucha el oído del bucle principal; la tecla M lo cambia.
    bool sonido = true;
};

#endif
