// SHA-256 as FIPS 180-4 defines it, one 64-byte chunk at a time, so that a
// file of any length is hashed in a fixed buffer.
#include "repair/sha256.h"

#include "helpers/helpers.h"

static const DWORD kRounds[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2,
};

static const DWORD kStart[8] = {
    0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19,
};

static DWORD Rotate(DWORD value, int count)
{
    return (value >> count) | (value << (32 - count));
}

// Mixes one 64-byte chunk into the state.
static void Compress(DWORD* state, const BYTE* chunk)
{
    DWORD w[64];
    for (int i = 0; i < 16; ++i) {
        w[i] = (DWORD)chunk[4 * i] << 24 | (DWORD)chunk[4 * i + 1] << 16 |
               (DWORD)chunk[4 * i + 2] << 8 | chunk[4 * i + 3];
    }
    for (int i = 16; i < 64; ++i) {
        DWORD s0 = Rotate(w[i - 15], 7) ^ Rotate(w[i - 15], 18) ^ (w[i - 15] >> 3);
        DWORD s1 = Rotate(w[i - 2], 17) ^ Rotate(w[i - 2], 19) ^ (w[i - 2] >> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    DWORD v[8];
    memcpy(v, state, sizeof v);
    for (int i = 0; i < 64; ++i) {
        DWORD s1 = Rotate(v[4], 6) ^ Rotate(v[4], 11) ^ Rotate(v[4], 25);
        DWORD choice = (v[4] & v[5]) ^ (~v[4] & v[6]);
        DWORD t1 = v[7] + s1 + choice + kRounds[i] + w[i];
        DWORD s0 = Rotate(v[0], 2) ^ Rotate(v[0], 13) ^ Rotate(v[0], 22);
        DWORD majority = (v[0] & v[1]) ^ (v[0] & v[2]) ^ (v[1] & v[2]);
        for (int j = 7; j > 0; --j)
            v[j] = v[j - 1];
        v[4] += t1;
        v[0] = t1 + s0 + majority;
    }
    for (int i = 0; i < 8; ++i)
        state[i] += v[i];
}

void Sha256Start(Sha256* sha)
{
    memcpy(sha->state, kStart, sizeof kStart);
    sha->pendingLength = 0;
    sha->length = 0;
}

void Sha256Add(Sha256* sha, const BYTE* data, DWORD length)
{
    sha->length += length;
    while (length > 0) {
        DWORD take = 64 - sha->pendingLength;
        if (take > length)
            take = length;
        memcpy(sha->pending + sha->pendingLength, data, take);
        sha->pendingLength += take;
        data += take;
        length -= take;
        if (sha->pendingLength == 64) {
            Compress(sha->state, sha->pending);
            sha->pendingLength = 0;
        }
    }
}

void Sha256Finish(Sha256* sha, BYTE* digest)
{
    unsigned long long bits = sha->length * 8;
    BYTE tail[72];
    // The 0x80 marker, zeros up to 56 bytes past a chunk boundary, the length.
    DWORD padding = (sha->pendingLength < 56 ? 56 : 120) - sha->pendingLength;
    memset(tail, 0, sizeof tail);
    tail[0] = 0x80;
    for (int i = 0; i < 8; ++i)
        tail[padding + i] = (BYTE)(bits >> (56 - 8 * i));
    Sha256Add(sha, tail, padding + 8);
    for (int i = 0; i < 32; ++i)
        digest[i] = (BYTE)(sha->state[i / 4] >> (24 - 8 * (i % 4)));
}
