// The erasure code of the recovery pieces: GF(2^8) with the polynomial 0x11D,
// the generator of k rows of identity and then Cauchy rows 1 / (row XOR
// column), and the inversion that rebuilds lost rows from any k others.
#pragma once

#include "platform/platform.h"

// The field's log and exponent tables. The caller holds them (on its stack):
// as data they would cost the exe 768 bytes.
struct Field {
    BYTE exp[512];
    BYTE log[256];
};

void FieldStart(Field* field);

// Entry (row, column) of the generator of a code over `pieces` disks.
BYTE CodeEntry(const Field* field, DWORD row, DWORD column, DWORD pieces);

// Gauss-Jordan inversion of the size x size matrix, which it destroys;
// false when it has no inverse.
bool InvertMatrix(const Field* field, BYTE* matrix, BYTE* inverse, DWORD size);

// to[j] += factor * from[j] in the field, over `length` bytes.
void MultiplyAdd(const Field* field, BYTE* to, const BYTE* from, BYTE factor, DWORD length);
