// El modelo del cañón guardado en resources/: que cada trozo mida lo que dice,
// quepa justo en su padre y esté donde el juego lo busca. Lo que dibuja lo
// comprueba la prueba del lector del juego.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

// Dónde puede ir cada trozo.
const std::map<uint16_t, uint16_t> PADRE = {
    {0x3D3D, 0x4D4D}, {0xAFFF, 0x3D3D}, {0xA000, 0xAFFF}, {0xA020, 0xAFFF}, {0x0011, 0xA020},
    {0xA200, 0xAFFF}, {0xA300, 0xA200}, {0x4000, 0x3D3D}, {0x4100, 0x4000}, {0x4110, 0x4100},
    {0x4140, 0x4100}, {0x4120, 0x4100}, {0x4130, 0x4120}};
constexpr double TABLERO = 12.5;  // z del tablero en el archivo: nada detrás

struct Recorrido {
    std::vector<uint8_t> d;
    std::vector<uint16_t> editor;  // hijos de 0x3D3D, en orden
    std::vector<std::string> texturas;
    size_t vertices = 0;
    size_t caras = 0;
    std::vector<int> gruposPorCara;

    uint32_t entero(size_t desde, int bytes) const {
        uint32_t v = 0;
        for (int i = bytes - 1; i >= 0; --i) v = v << 8 | d.at(desde + i);
        return v;
    }
    size_t finDeTexto(size_t desde, size_t hasta) const {
        while (desde < hasta && d[desde] != 0) ++desde;
        EXPECT_LT(desde, hasta) << "nombre sin NUL";
        return desde + 1;
    }

    // Los trozos de [desde, hasta) deben llenar el tramo justo.
    void hijos(size_t desde, size_t hasta, uint16_t padre) {
        while (desde < hasta) {
            ASSERT_LE(desde + 6, hasta) << "cabecera cortada en " << desde;
            const uint16_t id = entero(desde, 2);
            const size_t fin = desde + entero(desde + 2, 4);
            SCOPED_TRACE(testing::Message() << std::hex << "trozo 0x" << id << " en 0x" << desde);
            ASSERT_TRUE(PADRE.count(id) && PADRE.at(id) == padre) << "fuera de lugar";
            ASSERT_GE(fin, desde + 6);
            ASSERT_LE(fin, hasta) << "se sale de su padre";
            if (padre == 0x3D3D) editor.push_back(id);
            trozo(id, desde + 6, fin);
            desde = fin;
        }
    }

    // Los datos propios del trozo van antes de sus hijos.
    void trozo(uint16_t id, size_t desde, size_t fin) {
        const size_t n = fin - desde >= 2 ? entero(desde, 2) : 0;
        size_t propios = 0;
        switch (id) {
            case 0xA300:
            case 0xA000:
            case 0x4000:
                propios = finDeTexto(desde, fin) - desde;
                if (id == 0xA300) texturas.emplace_back(&d[desde], &d[desde + propios - 1]);
                break;
            case 0x0011:
                propios = 3;
                break;
            case 0x4110:
                propios = 2 + 12 * n;
                vertices = n;
                for (size_t i = 0; i < n && desde + propios <= fin; ++i) {
                    float z;
                    std::memcpy(&z, &d[desde + 2 + 12 * i + 8], 4);
                    EXPECT_GE(z, TABLERO) << "vértice " << i << " detrás del tablero";
                }
                break;
            case 0x4140:
                propios = 2 + 8 * n;
                EXPECT_EQ(n, vertices) << "un par (s, t) por vértice";
                break;
            case 0x4120:
                propios = 2 + 8 * n;
                caras += n;
                gruposPorCara.assign(n, 0);
                for (size_t i = 0; i < n && desde + propios <= fin; ++i)
                    for (int k = 0; k < 3; ++k)
                        EXPECT_LT(entero(desde + 2 + 8 * i + 2 * k, 2), vertices);
                break;
            case 0x4130: {
                const size_t cuenta = finDeTexto(desde, fin);
                propios = cuenta + 2 + 2 * entero(cuenta, 2) - desde;
                for (size_t i = 0; cuenta + 4 + 2 * i <= fin && i < entero(cuenta, 2); ++i)
                    ++gruposPorCara.at(entero(cuenta + 2 + 2 * i, 2));
                break;
            }
        }
        ASSERT_LE(desde + propios, fin) << "datos más largos que el trozo";
        const bool hoja = std::none_of(PADRE.begin(), PADRE.end(),
                                       [id](const auto& p) { return p.second == id; });
        if (hoja) {
            EXPECT_EQ(desde + propios, fin) << "sobran bytes";
        } else {
            hijos(desde + propios, fin, id);
        }
        if (id != 0x4120) return;
        for (size_t i = 0; i < gruposPorCara.size(); ++i)
            EXPECT_EQ(gruposPorCara[i], 1) << "cara " << i << " en grupos";
    }
};

}  // namespace

TEST(ModeloCanion, TrozosQueMidenLoQueDicenYEstanEnSuLugar) {
    Recorrido r;
    std::ifstream archivo("resources/hyperb.3ds", std::ios::binary);
    r.d.assign(std::istreambuf_iterator<char>(archivo), {});
    ASSERT_GE(r.d.size(), 6u);
    ASSERT_EQ(r.entero(0, 2), 0x4D4Du);
    ASSERT_EQ(r.entero(2, 4), r.d.size());
    r.hijos(6, r.d.size(), 0x4D4D);
    // Dos materiales, uno solo con textura, antes que los dos objetos.
    EXPECT_EQ(r.editor, (std::vector<uint16_t>{0xAFFF, 0xAFFF, 0x4000, 0x4000}));
    EXPECT_EQ(r.texturas, std::vector<std::string>{"hyperb.bmp"});
    EXPECT_GE(r.caras, 600u);
}
