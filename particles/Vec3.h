#ifndef VQ_VEC3_H
#define VQ_VEC3_H

// Vector de tres floats de las partículas; se copia por valor.
struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    Vec3() = default;
    Vec3(float x, float y, float z) : x(x), y(y), z(z) {}

    Vec3 operator-(const Vec3& otro) const { return {x - otro.x, y - otro.y, z - otro.z}; }
    Vec3 operator*(float s) const { return {x * s, y * s, z * s}; }
    Vec3& operator+=(const Vec3& otro) {
        x += otro.x;
        y += otro.y;
        z += otro.z;
        return *this;
    }
    float productoEscalar(const Vec3& otro) const { return x * otro.x + y * otro.y + z * otro.z; }
};

#endif
