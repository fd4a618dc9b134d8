// The state of the simulated world, shared by the files of the simulation.
#pragma once

#include "winsim.h"

#include <deque>
#include <memory>

namespace sim {

struct Node {
    bool dir = false;
    std::string name;       // as created, letter case kept
    std::string shortName;  // set by a test; "" for the default rule
    uint64_t created = 0;
    std::shared_ptr<Bytes> data = std::make_shared<Bytes>();
};

// One file system: a fixed drive, a share, or a removable disk.
struct Volume {
    // Keyed by the upper-cased path below the root ("WINDOWS\TEMP"); the
    // root itself has no entry.
    std::map<std::string, std::shared_ptr<Node>> nodes;
};

struct Drive {
    bool removable = false;
    int volume = 0;  // 0: no disk
    uint64_t freeBytes = uint64_t{1} << 30;
    DWORD sectorSize = 512;
};

enum class Kind { File, Mapping, Find };

struct FileFault {
    std::optional<uint64_t> failWritesBeyond;
    std::optional<uint64_t> shortWritesBeyond;
    std::vector<uint64_t> failReadAt;  // bad bytes: a read that touches one fails
    bool failGetFileSize = false;
    DWORD sizeHigh = 0;
    bool failOpen = false;
};

struct Object {
    Kind kind = Kind::File;
    bool external = false;
    std::string path;     // full long path, as displayed
    std::string rootKey;  // drive the file lives on, to notice a swapped disk
    int volume = 0;
    std::shared_ptr<Node> node;
    DWORD access = 0;
    DWORD share = 0;
    uint64_t position = 0;
    int mapping = 0;  // Kind::Mapping: id in World::mappings
};

struct Mapping {
    std::shared_ptr<Node> node;
    std::string path;
    uint64_t size = 0;
    bool handleOpen = true;
    int views = 0;
};

struct View {
    int mapping = 0;
    uint64_t offset = 0;
    bool writable = false;
    std::unique_ptr<unsigned char[]> bytes;
    size_t size = 0;
};

struct Posted {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

struct LiveDialog {
    size_t index = 0;  // in World::dialogs
    DLGPROC proc = nullptr;
    bool destroyed = false;
};

struct World {
    uint64_t seq = 0;
    uint64_t created = 0;

    std::map<std::string, Drive> drives;  // "C:", "A:", "\\SERVER\SHARE"
    std::map<std::string, std::string> rootNames;  // key -> as displayed
    std::deque<Volume> volumes;  // id = index + 1
    std::string tempPath;
    std::string windowsDirectory;
    std::string currentDirectory;
    std::string moduleFileName;
    std::map<std::string, std::string> environment;  // keys upper-cased
    std::map<std::string, std::string> environmentNames;  // key -> as set

    std::map<uintptr_t, Object> objects;
    uintptr_t nextHandle = 0x100;
    std::map<int, Mapping> mappings;
    int nextMapping = 1;
    std::map<const void*, View> views;
    std::map<void*, SIZE_T> blocks;
    std::vector<SIZE_T> allocSizes;
    std::map<std::string, FileFault> fileFaults;  // keyed like nodes, with root

    bool failLocalAlloc = false;
    bool failMapping = false;
    bool failView = false;
    bool failTempPath = false;
    bool failWindowsDirectory = false;
    bool failShortPath = false;
    std::optional<DWORD> shortPathResult;
    bool refuseDelayedMoves = false;
    bool failModuleFileName = false;
    bool failGetDlgItem = false;
    bool failPostMessage = false;
    UINT errorMode = 0;

    std::vector<Call> calls;
    std::vector<DelayedMove> delayedMoves;
    std::vector<Launch> launches;
    std::vector<Box> boxes;
    BoxScript boxScript;
    int boxLimit = 50;
    int boxDepth = 0;
    std::vector<std::string> misuses;

    std::vector<Dialog> dialogs;
    std::vector<LiveDialog> live;
    std::deque<Posted> queue;
    std::vector<Dispatch> dispatches;
    std::function<void(HWND)> idleHandler;
    int procDepth = 0;
};

World& W();

// Call log.
Arg Num(uint64_t value);
Arg Str(const char* text);
Arg Ptr(const void* pointer);
size_t Log(const char* fn, std::vector<Arg> args, const std::string& file = "");
void Result(size_t call, int64_t value);
void Misuse(const std::string& what);

// Text helpers.
std::string Upper(std::string_view text);

// File-system pieces used outside filesystem.cpp.
void ResetFileSystem();
void ReleaseAllObjects();
void ResetUi();

// Messages posted to dialogs, dispatched by the dialog and box loops.
void PumpPostedMessages();

}  // namespace sim
