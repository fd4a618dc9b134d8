/* Asks the Windows (Wine) session what the user and the launcher see: the
 * text, buttons and icon of a message box, the controls of the progress
 * dialog, and the short form of a path.
 *
 *   wine_probe box CAPTION   the visible dialog-class window with that caption
 *   wine_probe dialog        the visible dialog-class window with no caption
 *   wine_probe click CAPTION ID  clicks button ID of that window, as the user would
 *   wine_probe shortpath P   GetShortPathNameA(P), printed as "short=..."
 *   wine_probe window PREFIX the visible dialog-class window whose caption
 *                            begins with PREFIX (wizards add page captions)
 *   wine_probe press PREFIX TEXT  clicks the visible, enabled button with that
 *                            text in that window, printed as "pressed=0|1"
 *   wine_probe running NAME  how many processes run NAME (an exe's file name,
 *                            any letter case), printed as "running=N"
 *
 * For windows it prints "found=0" when there is none; otherwise "found=1",
 * "caption=...", "owner=0|1", "style=0x...", then one line per child control
 * in Z order: "control=ID|CLASS|VISIBLE|STYLE|HASICON|TEXT", where HASICON
 * says whether a static control holds an icon image. Exit code 0 either way.
 */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <tlhelp32.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

struct Search {
    const char* caption;
    int prefix;
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
    if (search->prefix ? strncmp(caption, search->caption, strlen(search->caption)) != 0
                       : strcmp(caption, search->caption) != 0)
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

struct ButtonSearch {
    const char* text;
    HWND found;
};

static BOOL CALLBACK MatchButton(HWND control, LPARAM context)
{
    struct ButtonSearch* search = (struct ButtonSearch*)context;
    char className[64];
    char text[256];
    GetClassNameA(control, className, sizeof(className));
    GetWindowTextA(control, text, sizeof(text));
    if (strcmp(className, "Button") != 0 || strcmp(text, search->text) != 0 ||
        !IsWindowVisible(control) || !IsWindowEnabled(control))
        return TRUE;
    search->found = control;
    return FALSE;
}

/* Processes whose exe has this file name; the snapshot lists the session's. */
static int CountProcesses(const char* name)
{
    PROCESSENTRY32 entry;
    int count = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (lstrcmpiA(entry.szExeFile, name) == 0)
            count++;
    CloseHandle(snapshot);
    return count;
}

int main(int argc, char** argv)
{
    struct Search search = {"", 0, NULL};
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
    if (argc == 4 && strcmp(argv[1], "press") == 0) {
        struct ButtonSearch button = {argv[3], NULL};
        search.caption = argv[2];
        search.prefix = 1;
        EnumWindows(MatchWindow, (LPARAM)&search);
        if (search.found)
            EnumChildWindows(search.found, MatchButton, (LPARAM)&button);
        int pressed = button.found &&
                      PostMessageA(GetParent(button.found), WM_COMMAND,
                                   MAKEWPARAM(GetDlgCtrlID(button.found), BN_CLICKED),
                                   (LPARAM)button.found);
        printf("pressed=%d\n", pressed ? 1 : 0);
        return 0;
    }
    if (argc == 3 && strcmp(argv[1], "running") == 0) {
        printf("running=%d\n", CountProcesses(argv[2]));
        return 0;
    }
    if (argc == 3 && (strcmp(argv[1], "box") == 0 || strcmp(argv[1], "window") == 0)) {
        search.caption = argv[2];
        search.prefix = argv[1][0] == 'w';
    } else if (!(argc == 2 && strcmp(argv[1], "dialog") == 0)) {
        fprintf(stderr, "usage: wine_probe box CAPTION | dialog | click CAPTION ID | shortpath PATH | version"
                        " | window PREFIX | press PREFIX TEXT | running NAME\n");
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
