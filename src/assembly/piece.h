// The piece-set format: FILE.1, FILE.2, ... each a 1024-byte header, then a
// slice of the installer. The installer is the payloads joined in piece order
// up to the first piece whose last_piece byte is not 0.
#pragma once

constexpr unsigned kHeaderSize = 1024;
// Bytes compared between pieces: all of the header but last_piece.
constexpr unsigned kIdentitySize = 1023;
// FILE.1's display name ends with a NUL within this many bytes.
constexpr unsigned kNameLimit = 260;

struct PieceHeader {
    // Starts with the display name; identical in every piece of one set.
    unsigned char identity[kIdentitySize];
    // 0: more pieces follow; anything else: this piece ends the set.
    unsigned char last_piece;
};

static_assert(sizeof(PieceHeader) == kHeaderSize, "a piece header is exactly 1024 bytes");
