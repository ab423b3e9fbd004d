#include <gtest/gtest.h>

#include <GL/gl.h>

#include "Ayudas.h"
#include "screens/Imagen2D.h"

TEST(Imagen2D, PruebaDeAciertoConBordesIncluidos) {
    Ayudas::juego();
    Ayudas::Carpeta carpeta;
    const std::string archivo = carpeta.escribir("boton.bmp",
        Ayudas::bmp24(4, 4, [](int, int) { return Ayudas::Color{200, 100, 50}; }));
    Imagen2D boton(645, 300, 0.05f, 140, 35, archivo.c_str());
    EXPECT_TRUE(boton.isVisible());
    EXPECT_FALSE(boton.isActiva());
    EXPECT_EQ(boton.getNombreArchivo(), archivo);
    EXPECT_EQ(boton.getCuadro().getAncho(), 140.0f);
    EXPECT_EQ(boton.getCuadro().getAlto(), 35.0f);
    EXPECT_FALSE(boton.contiene(700, 282));

    boton.setActiva(true);
    EXPECT_TRUE(boton.contiene(645, 300));   // y de la capa 300: el borde de abajo
    EXPECT_TRUE(boton.contiene(700, 265));   // y 335: el borde de arriba
    EXPECT_TRUE(boton.contiene(785, 282));   // x + ancho: el borde derecho
    EXPECT_FALSE(boton.contiene(786, 265));
    EXPECT_FALSE(boton.contiene(644, 282));
    EXPECT_FALSE(boton.contiene(700, 264));
    EXPECT_FALSE(boton.contiene(700, 301));

    // Activa e invisible sigue contestando; inactiva y visible no.
    boton.setVisible(false);
    EXPECT_TRUE(boton.contiene(700, 282));
    boton.setActiva(false);
    boton.setVisible(true);
    EXPECT_FALSE(boton.contiene(700, 282));
}

TEST(Imagen2D, LlenaSuRectanguloYLaDeMayorZQuedaDelante) {
    Ayudas::juego();
    Ayudas::Carpeta carpeta;
    const std::string rojo = carpeta.escribir("rojo.bmp",
        Ayudas::bmp24(4, 4, [](int, int) { return Ayudas::Color{255, 0, 0}; }));
    const std::string verde = carpeta.escribir("verde.bmp",
        Ayudas::bmp24(8, 2, [](int, int) { return Ayudas::Color{0, 255, 0}; }));
    Imagen2D delante(100, 100, 0.7f, 200, 100, rojo.c_str());
    Imagen2D detras(150, 150, 0.02f, 200, 100, verde.c_str());

    Ayudas::proyeccionVentana();
    glEnable(GL_DEPTH_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    // La de adelante se dibuja primero y aun así tapa a la otra.
    delante.dibujar();
    detras.dibujar();
    EXPECT_EQ(Ayudas::pixel(101, 101).r, 255);
    EXPECT_EQ(Ayudas::pixel(298, 198).r, 255);   // zona común: gana z 0,7
    EXPECT_EQ(Ayudas::pixel(298, 198).g, 0);
    EXPECT_EQ(Ayudas::pixel(348, 248).g, 255);   // sólo la de atrás
    EXPECT_EQ(Ayudas::pixel(99, 150).r, 3);      // fuera de las dos
    EXPECT_EQ(Ayudas::pixel(301, 120).r, 3);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    GLint modo = 0;
    glGetIntegerv(GL_MATRIX_MODE, &modo);
    EXPECT_EQ(modo, GL_MODELVIEW);

    // Una imagen oculta no se dibuja.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    delante.setVisible(false);
    delante.dibujar();
    EXPECT_EQ(Ayudas::pixel(150, 120).r, 3);
}
