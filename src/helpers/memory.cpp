// The exe's memcpy and its kin, since it carries no C runtime: the subsystems call
// them through helpers.h, and the compiler on its own for block copies and
// zeroing. Built with -fno-tree-loop-distribute-patterns so that these loops
// do not become calls to themselves.
#include <stddef.h>

extern "C" {

void* memcpy(void* destination, const void* source, size_t count)
{
    unsigned char* to = static_cast<unsigned char*>(destination);
    const unsigned char* from = static_cast<const unsigned char*>(source);
    while (count-- != 0)
        *to++ = *from++;
    return destination;
}

void* memmove(void* destination, const void* source, size_t count)
{
    unsigned char* to = static_cast<unsigned char*>(destination);
    const unsigned char* from = static_cast<const unsigned char*>(source);
    if (to < from) {
        while (count-- != 0)
            *to++ = *from++;
    } else {
        while (count-- != 0)
            to[count] = from[count];
    }
    return destination;
}

void* memset(void* destination, int value, size_t count)
{
    unsigned char* to = static_cast<unsigned char*>(destination);
    while (count-- != 0)
        *to++ = static_cast<unsigned char>(value);
    return destination;
}

int memcmp(const void* left, const void* right, size_t count)
{
    const unsigned char* a = static_cast<const unsigned char*>(left);
    const unsigned char* b = static_cast<const unsigned char*>(right);
    for (size_t i = 0; i < count; ++i) {
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

}  // extern "C"
