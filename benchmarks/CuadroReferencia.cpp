#include "CuadroReferencia.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>

#include <cstdio>

#include "FuegosReferencia.h"
#include "screens/CargadorNivel.h"

namespace {

// Lo que mide la escena del juego: el tablero de 18 x 15 con la cámara
// inicial y la esfera de las piezas.
const float ANCHO_TABLERO = 18.0f;
const float ALTO_TABLERO = 15.0f;
const float ESCALA_CAMARA = 0.8f;
const float RADIO = 0.3f;
const int DIVISIONES = 15;
const float Z_PIEZAS = 0.2f;
const float Z_JUEGO = 0.5f;
// La imagen de un nivel y la del panel, en píxeles.
const int ANCHO_IMAGEN = 576, ALTO_IMAGEN = 480;
const int ANCHO_PANEL = 160, ALTO_PANEL = 600;
const float X_PANEL = 640.0f;
// El cartel de ganar, que acompaña a los fuegos.
const int ANCHO_CARTEL = 500, ALTO_CARTEL = 160;
const float X_CARTEL = 150.0f, Y_CARTEL = 220.0f;
// El ancho de las líneas de los números del panel, que el juego deja puesto
// también para el alambre; los números, en el lugar y del tamaño de los del
// juego, dibujados como ceros de seis segmentos.
const float ANCHO_LINEA = 2.5f;
const float NUMEROS[4][2] = {{750, 25}, {690, 530}, {670, 420}, {750, 420}};
const float MEDIA_CIFRA = 7.5f;
// El cuadrado que hace de cañón: dos triángulos con normales y textura.
const GLfloat VERTICES_CANION[] = {-0.5f, -0.5f, 0, 0.5f, -0.5f, 0, 0.5f, 0.5f, 0, -0.5f, 0.5f, 0};
const GLfloat NORMALES_CANION[] = {0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1};
const GLfloat TEXTURA_CANION[] = {0, 0, 1, 0, 1, 1, 0, 1};
const GLushort INDICES_CANION[] = {0, 1, 2, 0, 2, 3};

}  // namespace

CuadroReferencia::CuadroReferencia(const char* nivel, Modo modo, bool conFuegos) : modo(modo) {
    if (std::FILE* archivo = std::fopen(nivel, "r")) {
        CargadorNivel::leer(archivo, nivel, [this](float x, float y, int) {
            esferas.insert(esferas.end(), {x, y, Z_PIEZAS});
        });
        std::fclose(archivo);
    }
    // La bola en lo alto y las dos puntas del aro.
    const float medio = ANCHO_TABLERO / 2;
    esferas.insert(esferas.end(), {medio, 15.0f, Z_JUEGO, medio + 1.0f, 0.0f, Z_JUEGO,
                                   medio - 1.0f, 0.0f, Z_JUEGO});

    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, 800, 0, 600, -1, 1);
    glGetFloatv(GL_PROJECTION_MATRIX, ortogonal);
    glLoadIdentity();
    gluPerspective(45.0, 800.0 / 600.0, 0.1, 100.0);
    glGetFloatv(GL_PROJECTION_MATRIX, perspectiva);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    gluLookAt(medio, 5, 19, medio, 7, 0, 0, 1, 0);
    glScalef(ESCALA_CAMARA, ESCALA_CAMARA, ESCALA_CAMARA);
    glGetFloatv(GL_MODELVIEW_MATRIX, camara);
    prepararLuces();

    GLUquadric* cuadrica = gluNewQuadric();
    lista = glGenLists(1);
    glNewList(lista, GL_COMPILE);
    gluSphere(cuadrica, RADIO, DIVISIONES, DIVISIONES);
    glEndList();
    gluDeleteQuadric(cuadrica);
    tablero = textura(ANCHO_IMAGEN, ALTO_IMAGEN);
    panel = textura(ANCHO_PANEL, ALTO_PANEL);
    if (conFuegos) {
        fuegos.reset(new FuegosReferencia());
        cartel = textura(ANCHO_CARTEL, ALTO_CARTEL);
    }

    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glLineWidth(ANCHO_LINEA);
}

CuadroReferencia::~CuadroReferencia() {
    fuegos.reset();
    glDeleteLists(lista, 1);
    glDeleteTextures(1, &tablero);
    glDeleteTextures(1, &panel);
    if (cartel) glDeleteTextures(1, &cartel);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}

// Las mismas tres luces que el juego deja encendidas: ambiente, difusa y
// especular, con el color de cada objeto como material.
void CuadroReferencia::prepararLuces() const {
    const GLfloat blanco[] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat difusa[] = {1.5f, 1.5f, 1.5f, 1.0f};
    const GLfloat origen[] = {0.0f, 0.0f, 0.0f, 1.0f};
    glLightfv(GL_LIGHT1, GL_AMBIENT, blanco);
    glLightfv(GL_LIGHT2, GL_SPECULAR, blanco);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, difusa);
    glLightfv(GL_LIGHT0, GL_POSITION, origen);
    glMaterialf(GL_FRONT, GL_SHININESS, 20.0f);
    glMaterialfv(GL_FRONT, GL_SPECULAR, blanco);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    for (GLenum luz : {GL_LIGHT0, GL_LIGHT1, GL_LIGHT2}) glEnable(luz);
}

unsigned int CuadroReferencia::textura(int ancho, int alto) {
    std::vector<unsigned char> pixeles(static_cast<size_t>(ancho) * alto * 3);
    for (size_t i = 0; i < pixeles.size(); i++) pixeles[i] = static_cast<unsigned char>(i * 7);
    GLuint nombre = 0;
    glGenTextures(1, &nombre);
    glBindTexture(GL_TEXTURE_2D, nombre);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    GLint alineacion = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alineacion);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, ancho, alto, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 pixeles.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, alineacion);
    return nombre;
}

int CuadroReferencia::getSprites() const {
    return fuegos ? fuegos->getSprites() : 0;
}

// Los sólidos sin textura: líneas en alambre, planos en facetado y suaves en
// los otros dos modos.
void CuadroReferencia::aplicarModo() const {
    glPolygonMode(GL_FRONT_AND_BACK, modo == WIREFRAME ? GL_LINE : GL_FILL);
    glShadeModel(modo == FACETADO ? GL_FLAT : GL_SMOOTH);
}

void CuadroReferencia::dibujar() const {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(perspectiva);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(camara);
    glEnable(GL_LIGHTING);
    aplicarModo();
    dibujarCanion();
    dibujarTablero();
    glColor3f(0.5f, 0.2f, 0.2f);
    for (size_t i = 0; i < esferas.size(); i += 3) {
        glPushMatrix();
        glTranslatef(esferas[i], esferas[i + 1], esferas[i + 2]);
        glCallList(lista);
        glPopMatrix();
    }
    if (fuegos) fuegos->dibujar();
    glDisable(GL_LIGHTING);

    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(ortogonal);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    dibujarNumeros();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    dibujarImagen(panel, X_PANEL, 0, ANCHO_PANEL, ALTO_PANEL);
    if (cartel) dibujarImagen(cartel, X_CARTEL, Y_CARTEL, ANCHO_CARTEL, ALTO_CARTEL);
    SDL_GL_SwapBuffers();
}

void CuadroReferencia::dibujarCanion() const {
    if (modo == TEXTURADO) {
        glColor3f(1.0f, 1.0f, 1.0f);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, tablero);
    } else {
        glColor3f(0.0f, 0.1f, 0.5f);
    }
    glPushMatrix();
    glTranslatef(ANCHO_TABLERO / 2, ALTO_TABLERO, Z_JUEGO);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, VERTICES_CANION);
    glNormalPointer(GL_FLOAT, 0, NORMALES_CANION);
    glTexCoordPointer(2, GL_FLOAT, 0, TEXTURA_CANION);
    glDrawElements(GL_TRIANGLES, 6, GL_UNSIGNED_SHORT, INDICES_CANION);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

void CuadroReferencia::dibujarTablero() const {
    if (modo == TEXTURADO) {
        glColor3f(1.0f, 1.0f, 1.0f);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, tablero);
    } else {
        glColor3f(0.5f, 0.0f, 0.0f);
    }
    glBegin(GL_QUADS);
    glTexCoord2f(1, 0);
    glVertex3f(ANCHO_TABLERO, ALTO_TABLERO, 0);
    glTexCoord2f(1, 1);
    glVertex3f(ANCHO_TABLERO, 0, 0);
    glTexCoord2f(0, 1);
    glVertex3f(0, 0, 0);
    glTexCoord2f(0, 0);
    glVertex3f(0, ALTO_TABLERO, 0);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void CuadroReferencia::dibujarNumeros() const {
    glColor3f(0.3f, 0.295f, 0.464f);
    glBegin(GL_LINES);
    for (const auto& n : NUMEROS) {
        const float x0 = n[0], x1 = n[0] + MEDIA_CIFRA, y0 = n[1], y1 = n[1] + MEDIA_CIFRA,
                    y2 = n[1] + 2 * MEDIA_CIFRA;
        const float segmentos[6][4] = {{x0, y0, x0, y1}, {x0, y1, x0, y2}, {x0, y2, x1, y2},
                                       {x1, y2, x1, y1}, {x1, y1, x1, y0}, {x1, y0, x0, y0}};
        for (const auto& s : segmentos) {
            glVertex2f(s[0], s[1]);
            glVertex2f(s[2], s[3]);
        }
    }
    glEnd();
}

// Un cuadro texturado de la capa 2D: el panel o el cartel.
void CuadroReferencia::dibujarImagen(unsigned int nombre, float x, float y, float ancho,
                                     float alto) {
    glColor3f(1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, nombre);
    glBegin(GL_QUADS);
    glTexCoord2f(1, 0);
    glVertex2f(x + ancho, y + alto);
    glTexCoord2f(1, 1);
    glVertex2f(x + ancho, y);
    glTexCoord2f(0, 1);
    glVertex2f(x, y);
    glTexCoord2f(0, 0);
    glVertex2f(x, y + alto);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}
