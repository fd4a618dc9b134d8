/* A stand-in installer for the end-to-end suite. It notes how it was started
 * and copies its own bytes, so the suite can tell what the launcher joined and
 * how it launched it. Kept free of the C runtime so it stays a few KB and can
 * be padded (PE files ignore appended bytes) into sets of many pieces.
 *
 * Writes C:\e2e-self.bin (its own file, byte for byte) and then
 * C:\e2e-result.txt, renamed into place last so that its presence means the
 * run is complete. The result holds one "key=value" line each for:
 *   cwd     GetCurrentDirectoryA
 *   drive   GetEnvironmentVariableA("=C:"), or "<unset>"
 *   equals  every environment entry that starts with "=", joined by "|"
 *   cmdline GetCommandLineA
 *   module  GetModuleFileNameA
 *   size    bytes copied from the module file
 */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#define RESULT_PATH "C:\\e2e-result.txt"
#define RESULT_PART "C:\\e2e-result.part"
#define SELF_PATH "C:\\e2e-self.bin"

static char text[8192];
static DWORD used;
static char scratch[1024];

/* Appends a NUL-terminated text to the result, silently cut at its end. */
static void Put(const char* s)
{
    while (*s && used < sizeof(text) - 1)
        text[used++] = *s++;
}

static void PutLine(const char* key, const char* value)
{
    Put(key);
    Put("=");
    Put(value);
    Put("\r\n");
}

static void PutNumber(const char* key, DWORD n)
{
    wsprintfA(scratch, "%lu", (unsigned long)n);
    PutLine(key, scratch);
}

/* Copies the module file to SELF_PATH; returns the bytes copied. */
static DWORD CopySelf(const char* module)
{
    DWORD total = 0;
    HANDLE in = CreateFileA(module, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (in == INVALID_HANDLE_VALUE)
        return 0;
    HANDLE out = CreateFileA(SELF_PATH, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, NULL);
    if (out != INVALID_HANDLE_VALUE) {
        DWORD got = 0;
        DWORD put = 0;
        while (ReadFile(in, scratch, sizeof(scratch), &got, NULL) && got > 0) {
            WriteFile(out, scratch, got, &put, NULL);
            total += got;
        }
        CloseHandle(out);
    }
    CloseHandle(in);
    return total;
}

void RecorderEntry(void)
{
    char module[MAX_PATH];
    char value[MAX_PATH];

    GetCurrentDirectoryA(sizeof(value), value);
    PutLine("cwd", value);

    if (GetEnvironmentVariableA("=C:", value, sizeof(value)) > 0)
        PutLine("drive", value);
    else
        PutLine("drive", "<unset>");

    /* The variable lookup may hide "=" entries; the block itself shows them. */
    Put("equals=");
    char* block = GetEnvironmentStringsA();
    int first = 1;
    for (char* entry = block; entry && *entry; entry += lstrlenA(entry) + 1) {
        if (entry[0] != '=')
            continue;
        if (!first)
            Put("|");
        Put(entry);
        first = 0;
    }
    if (block)
        FreeEnvironmentStringsA(block);
    Put("\r\n");

    PutLine("cmdline", GetCommandLineA());

    module[0] = 0;
    GetModuleFileNameA(NULL, module, sizeof(module));
    PutLine("module", module);
    PutNumber("size", CopySelf(module));

    HANDLE out = CreateFileA(RESULT_PART, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, NULL);
    if (out != INVALID_HANDLE_VALUE) {
        DWORD put = 0;
        WriteFile(out, text, used, &put, NULL);
        CloseHandle(out);
        MoveFileExA(RESULT_PART, RESULT_PATH, MOVEFILE_REPLACE_EXISTING);
    }
    ExitProcess(0);
}
