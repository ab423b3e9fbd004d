#ifndef VQ_PROYECCION_H
#define VQ_PROYECCION_H

// Dónde cae en la ventana de 800 x 600 un punto del tablero visto por la
// cámara 0 con la escala de 0,8: la cuenta hecha aparte, sin OpenGL.
// Devuelve coordenadas de ventana con el origen abajo a la izquierda.
void proyectarCamaraInicial(double px, double py, double pz, double& vx, double& vy);

#endif
