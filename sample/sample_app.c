/* The application that the sample installer installs: one window that says
 * what it is and which version, so that a look at the screen (or at its
 * controls, from outside) tells whether the installed program runs. */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

static INT_PTR CALLBACK SampleDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(window, LOWORD(wParam));
            return TRUE;
        }
        break;
    case WM_CLOSE:
        EndDialog(window, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)previous;
    (void)commandLine;
    (void)show;
    DialogBoxParamA(instance, MAKEINTRESOURCEA(100), NULL, SampleDialogProc, 0);
    return 0;
}
