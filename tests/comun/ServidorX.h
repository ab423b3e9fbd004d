#ifndef VQ_SERVIDOR_X_H
#define VQ_SERVIDOR_X_H

#include <sys/types.h>

// Un Xvfb propio para cada proceso de prueba: las pruebas no dependen de
// la pantalla de quien las corre y funcionan en máquinas sin pantalla.
class ServidorX {
public:
    // Con reiniciable, el servidor se reinicia cada vez que se va su último
    // cliente, como uno que arranca xinit o un Xvfb sin -noreset.
    ServidorX(int ancho, int alto, bool reiniciable = false);
    ~ServidorX();
    ServidorX(const ServidorX&) = delete;
    ServidorX& operator=(const ServidorX&) = delete;

private:
    pid_t pid = -1;
};

#endif
