// The launcher's entry and its one window: a small dialog that reads
// "Preparing to install" above the application's name while the pieces are
// joined and the installer is started.
#include "shell/shell.h"

#include "assembly/assembly.h"
#include "assembly/piece.h"
#include "helpers/helpers.h"
#include "platform/platform.h"
#include "resources/resource.h"

static constexpr DWORD kPathSize = MAX_PATH;
static constexpr char kPieceName[] = "\\FILE.1";

// Set while AssembleInstaller runs: its message boxes have no owner, so the
// dialog keeps receiving commands through their loops, and a second assembly
// must not start on the same temporary file.
static bool assemblyRunning = false;

// Position of the last backslash in text, or -1 when it holds none.
static int FindLastBackslash(const char* text)
{
    int last = -1;
    for (int i = 0; text[i] != '\0'; ++i) {
        if (text[i] == '\\')
            last = i;
    }
    return last;
}

// Writes the path of FILE.1 beside the running launcher into path
// (kPathSize bytes). False when the launcher's own path is not known whole or
// its directory leaves no room for "\FILE.1": then FILE.1 cannot be found.
static bool BuildPiecePath(char* path)
{
    DWORD length = GetModuleFileNameA(NULL, path, kPathSize);
    // A result that fills the buffer is a cut path, and not always terminated.
    if (length == 0 || length >= kPathSize) {
        path[0] = '\0';
        return false;
    }
    path[length] = '\0';
    int cut = FindLastBackslash(path);
    if (cut >= 0)
        path[cut] = '\0';
    return PutText(path, kPathSize, TextLength(path), kPieceName);
}

// Runs the assembly for command 1 or 2 and ends the dialog with that number.
static void RunCommand(HWND window, WPARAM command)
{
    char path[kPathSize];
    assemblyRunning = true;
    // The path was built once at start-up; should it fail now there is
    // nothing to join, and the dialog simply ends.
    if (BuildPiecePath(path))
        AssembleInstaller(path);
    assemblyRunning = false;
    EndDialog(window, (INT_PTR)command);
}

// WM_INITDIALOG: checks for FILE.1, shows its name and queues command 1.
static void StartDialog(HWND window)
{
    char path[kPathSize];
    char name[kNameLimit];

    HANDLE file = INVALID_HANDLE_VALUE;
    if (BuildPiecePath(path)) {
        file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, kOpenFlags,
                           NULL);
    }
    if (file == INVALID_HANDLE_VALUE) {
        MessageBoxA(NULL, "Missing FILE.1", NULL, MB_ICONHAND);
        EndDialog(window, 2);
        return;
    }

    DWORD bytesRead = 0;
    BOOL readOk = ReadFile(file, name, kNameLimit, &bytesRead, NULL);
    CloseHandle(file);

    // The shown name never runs past the bytes actually read: a header with
    // no NUL in its first kNameLimit bytes shows its first kNameLimit - 1. A
    // read that failed or gave nothing leaves the placeholder text standing.
    if (readOk && bytesRead > 0) {
        if (bytesRead > kNameLimit - 1)
            bytesRead = kNameLimit - 1;
        name[bytesRead] = '\0';
        SetDlgItemTextA(window, IDC_APP_NAME, name);
    }

    // The posted command is what starts the work. Its lParam is not looked
    // at, so a missing button still lets it go; a post that fails would
    // leave a dialog waiting for nothing, so the work then runs at once.
    HWND okButton = GetDlgItem(window, IDOK);
    if (!PostMessageA(window, WM_COMMAND, IDOK, (LPARAM)okButton))
        RunCommand(window, IDOK);
}

INT_PTR CALLBACK LauncherDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        StartDialog(window);
        return TRUE;
    }
    // The whole wParam: a command 1 or 2 with a notification code is not ours.
    if (message == WM_COMMAND && (wParam == IDOK || wParam == IDCANCEL)) {
        // Esc or a late command 1 while a disk prompt is up: the running
        // assembly ends the dialog itself.
        if (!assemblyRunning)
            RunCommand(window, wParam);
        return TRUE;
    }
    return FALSE;
}

extern "C" int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_PROGRESS), NULL, LauncherDialogProc, 0);
    return 0;
}
