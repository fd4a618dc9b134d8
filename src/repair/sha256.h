// SHA-256, for the checksums of the recovery pieces and the installer's digest.
#pragma once

#include "platform/platform.h"

constexpr DWORD kDigestSize = 32;

struct Sha256 {
    DWORD state[8];
    BYTE pending[64];
    DWORD pendingLength;
    unsigned long long length;  // bytes added so far
};

void Sha256Start(Sha256* sha);
void Sha256Add(Sha256* sha, const BYTE* data, DWORD length);
void Sha256Finish(Sha256* sha, BYTE* digest);
