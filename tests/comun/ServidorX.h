#ifndef VQ_SERVIDOR_X_H
#define VQ_SERVIDOR_X_H

#include <sys/types.h>

// Un Xvfb propio para cada proceso de prueba, que no toma la pantalla de nadie.
class ServidorX {
public:
    // Reiniciable: se reinicia al irse su último cliente, como uno de xinit.
    ServidorX(int ancho, int alto, bool reiniciable = false);
    ~ServidorX();
    ServidorX(const ServidorX&) = delete;
    ServidorX& operator=(const ServidorX&) = delete;

private:
    pid_t pid = -1;
};

#endif
