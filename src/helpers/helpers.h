// Text and memory helpers shared by the launcher's subsystems. The exe has no C
// runtime: memcpy and its kin come from helpers/memory.cpp there, and from
// the C library in the unit tests.
#pragma once

#include <string.h>

#include "platform/platform.h"

// Every file is opened with these attributes: the hint suits the front-to-back
// reads and writes of every subsystem.
constexpr DWORD kOpenFlags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN;

// Length of a NUL-terminated text.
inline DWORD TextLength(const char* text)
{
    DWORD length = 0;
    while (text[length] != '\0')
        ++length;
    return length;
}

// Writes text and its NUL at offset `at` of a buffer of size bytes, cutting
// off whatever stood there; false, with the buffer untouched, when they would
// not fit.
inline bool PutText(char* buffer, DWORD size, DWORD at, const char* text)
{
    DWORD length = TextLength(text);
    if (at + length >= size)
        return false;
    memcpy(buffer + at, text, length + 1);
    return true;
}

// The decimal digits of a positive number, without leading zeros, and a NUL.
inline void FormatNumber(char* digits, DWORD number)
{
    char reversed[12];
    int count = 0;
    do {
        reversed[count++] = (char)('0' + number % 10);
        number /= 10;
    } while (number > 0);
    for (int i = 0; i < count; ++i)
        digits[i] = reversed[count - 1 - i];
    digits[count] = 0;
}

// Whether a file or directory of that name exists (a pattern: whether
// anything matches it).
inline BOOL PathExists(const char* path)
{
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(path, &found);
    if (find == INVALID_HANDLE_VALUE)
        return FALSE;
    FindClose(find);
    return TRUE;
}
