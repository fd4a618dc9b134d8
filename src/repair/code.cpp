// GF(2^8) by log and exponent tables, built at start rather than carried.
#include "repair/code.h"

void FieldStart(Field* field)
{
    DWORD value = 1;
    for (DWORD i = 0; i < 255; ++i) {
        field->exp[i] = field->exp[i + 255] = (BYTE)value;
        field->log[value] = (BYTE)i;
        value <<= 1;
        if (value & 0x100)
            value ^= 0x11D;
    }
}

static BYTE GfMultiply(const Field* field, BYTE a, BYTE b)
{
    if (a == 0 || b == 0)
        return 0;
    return field->exp[field->log[a] + field->log[b]];
}

static BYTE GfInverse(const Field* field, BYTE a)
{
    return field->exp[255 - field->log[a]];
}

BYTE CodeEntry(const Field* field, DWORD row, DWORD column, DWORD pieces)
{
    if (row < pieces)
        return row == column ? 1 : 0;
    return GfInverse(field, (BYTE)(row ^ column));
}

bool InvertMatrix(const Field* field, BYTE* matrix, BYTE* inverse, DWORD size)
{
    for (DWORD i = 0; i < size; ++i) {
        for (DWORD j = 0; j < size; ++j)
            inverse[i * size + j] = i == j ? 1 : 0;
    }
    for (DWORD column = 0; column < size; ++column) {
        DWORD pivot = column;
        while (pivot < size && matrix[pivot * size + column] == 0)
            ++pivot;
        if (pivot == size)
            return false;
        if (pivot != column) {
            for (DWORD j = 0; j < size; ++j) {
                BYTE held = matrix[pivot * size + j];
                matrix[pivot * size + j] = matrix[column * size + j];
                matrix[column * size + j] = held;
                held = inverse[pivot * size + j];
                inverse[pivot * size + j] = inverse[column * size + j];
                inverse[column * size + j] = held;
            }
        }
        BYTE scale = GfInverse(field, matrix[column * size + column]);
        for (DWORD j = 0; j < size; ++j) {
            matrix[column * size + j] = GfMultiply(field, matrix[column * size + j], scale);
            inverse[column * size + j] = GfMultiply(field, inverse[column * size + j], scale);
        }
        for (DWORD row = 0; row < size; ++row) {
            BYTE factor = matrix[row * size + column];
            if (row == column || factor == 0)
                continue;
            // Addition is XOR in this field, and so is subtraction.
            for (DWORD j = 0; j < size; ++j) {
                matrix[row * size + j] ^= GfMultiply(field, factor, matrix[column * size + j]);
                inverse[row * size + j] ^= GfMultiply(field, factor, inverse[column * size + j]);
            }
        }
    }
    return true;
}

void MultiplyAdd(const Field* field, BYTE* to, const BYTE* from, BYTE factor, DWORD length)
{
    if (factor == 0)
        return;
    BYTE product[256];
    for (DWORD x = 0; x < 256; ++x)
        product[x] = GfMultiply(field, factor, (BYTE)x);
    for (DWORD j = 0; j < length; ++j)
        to[j] ^= product[from[j]];
}
