/* Asks the Windows (Wine) session what the user and the launcher see: the
 * text, buttons and icon of a message box, the controls of the progress
 * dialog, and the short form of a path.
 *
 *   wine_probe box CAPTION   the visible dialog-class window with that caption
 *   wine_probe dialog        the visible dialog-class window with no caption
 *   wine_probe click CAPTION ID  clicks button ID of that window, as the user would
 *   wine_probe shortpath P   GetShortPathNameA(P), printed as "short=..."
 *
 * For windows it prints "found=0" when there is none; otherwise "found=1",
 * "caption=...", "owner=0|1", "style=0x...", then one line per child control
 * in Z order: "control=ID|CLASS|VISIBLE|STYLE|HASICON|TEXT", where HASICON
 * says whether a static control holds an icon image. Exit code 0 either way.
 */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

struct Search {
    const char* caption;
    HWND found;
};

static BOOL CALLBACK MatchWindow(HWND window, LPARAM context)
{
    struct Search* search = (struct Search*)context;
    char className[64];
    char caption[512];
    if (!IsWindowVisible(window))
        return TRUE;
    GetClassNameA(window, className, sizeof(className));
    if (strcmp(className, "#32770") != 0)
        return TRUE;
    GetWindowTextA(window, caption, sizeof(caption));
    if (strcmp(caption, search->caption) != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

static BOOL CALLBACK PrintControl(HWND control, LPARAM unused)
{
    char className[64];
    char text[1024];
    (void)unused;
    GetClassNameA(control, className, sizeof(className));
    GetWindowTextA(control, text, sizeof(text));
    int hasIcon = strcmp(className, "Static") == 0 && SendMessageA(control, STM_GETICON, 0, 0) != 0;
    printf("control=%d|%s|%d|0x%08lX|%d|%s\n", GetDlgCtrlID(control), className,
           IsWindowVisible(control) ? 1 : 0, (unsigned long)GetWindowLongA(control, GWL_STYLE),
           hasIcon, text);
    return TRUE;
}

int main(int argc, char** argv)
{
    struct Search search = {"", NULL};
    if (argc == 3 && strcmp(argv[1], "shortpath") == 0) {
        char shortPath[MAX_PATH * 2];
        DWORD length = GetShortPathNameA(argv[2], shortPath, sizeof(shortPath));
        printf("length=%lu\nshort=%s\n", (unsigned long)length, length ? shortPath : "");
        return 0;
    }
    if (argc == 2 && strcmp(argv[1], "version") == 0) {
        /* What programs are told, as Wine's Version setting makes it. */
        DWORD version = GetVersion();
        printf("%s %lu.%lu\n", (version & 0x80000000) ? "Windows 9x" : "Windows NT",
               (unsigned long)(version & 0xFF), (unsigned long)((version >> 8) & 0xFF));
        return 0;
    }
    if (argc == 4 && strcmp(argv[1], "click") == 0) {
        /* What a click on the button sends its dialog; no keyboard or mouse
         * state is involved, so nothing can linger for a later window. */
        search.caption = argv[2];
        EnumWindows(MatchWindow, (LPARAM)&search);
        int id = atoi(argv[3]);
        HWND button = search.found ? GetDlgItem(search.found, id) : NULL;
        int clicked = button && IsWindowVisible(button) &&
                      PostMessageA(search.found, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                                   (LPARAM)button);
        printf("clicked=%d\n", clicked ? 1 : 0);
        return 0;
    }
    if (argc == 3 && strcmp(argv[1], "box") == 0)
        search.caption = argv[2];
    else if (!(argc == 2 && strcmp(argv[1], "dialog") == 0)) {
        fprintf(stderr, "usage: wine_probe box CAPTION | dialog | click CAPTION ID | shortpath PATH | version\n");
        return 2;
    }
    EnumWindows(MatchWindow, (LPARAM)&search);
    if (!search.found) {
        printf("found=0\n");
        return 0;
    }
    char caption[512];
    GetWindowTextA(search.found, caption, sizeof(caption));
    printf("found=1\ncaption=%s\nowner=%d\nstyle=0x%08lX\n", caption,
           GetWindow(search.found, GW_OWNER) ? 1 : 0,
           (unsigned long)GetWindowLongA(search.found, GWL_STYLE));
    EnumChildWindows(search.found, PrintControl, 0);
    fflush(stdout);
    return 0;
}
