// The world as a whole: reset, the call log, the global faults, local memory
// and the accounting of everything the launcher holds.
#include "state.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace sim {

World& W() {
    static World world;
    return world;
}

Bytes ToBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool SameText(std::string_view a, std::string_view b) { return Upper(a) == Upper(b); }

std::string DirectoryOfLength(size_t length) {
    std::string path = "C:";
    char letter = 'A';
    while (path.size() < length) {
        size_t left = length - path.size() - 1;
        size_t segment = left > 8 ? 8 : left;
        if (left > 8 && left - 8 == 1) segment = 7;  // no empty last segment
        path += "\\" + std::string(segment, letter);
        letter = letter == 'Z' ? 'A' : static_cast<char>(letter + 1);
    }
    return path;
}

void Reset() {
    ReleaseAllObjects();
    W() = World{};
    ResetFileSystem();
    ResetUi();
}

// ------------------------------------------------------------- call log ----

Arg Num(uint64_t value) {
    Arg a;
    a.kind = Arg::kNum;
    a.num = value;
    return a;
}

Arg Str(const char* text) {
    Arg a;
    if (text) {
        a.kind = Arg::kStr;
        a.str = text;
    }
    return a;
}

Arg Ptr(const void* pointer) {
    // A null pointer is logged as null, like a null string.
    return pointer ? Num(reinterpret_cast<uintptr_t>(pointer)) : Arg();
}

size_t Log(const char* fn, std::vector<Arg> args, const std::string& file) {
    Call c;
    c.seq = ++W().seq;
    c.fn = fn;
    c.args = std::move(args);
    c.file = file;
    W().calls.push_back(std::move(c));
    return W().calls.size() - 1;
}

void Result(size_t call, int64_t value) { W().calls[call].result = value; }

void Misuse(const std::string& what) { W().misuses.push_back(what); }

uint64_t Call::Num(size_t i) const { return i < args.size() ? args[i].num : 0; }
std::string Call::Str(size_t i) const { return i < args.size() ? args[i].str : std::string(); }
bool Call::IsNull(size_t i) const { return i >= args.size() || args[i].kind == Arg::kNull; }

const std::vector<Call>& Calls() { return W().calls; }

std::vector<Call> CallsTo(const std::string& fn) {
    std::vector<Call> out;
    for (const Call& c : W().calls)
        if (c.fn == fn) out.push_back(c);
    return out;
}

std::vector<Call> CallsOn(const std::string& fn, const std::string& path) {
    std::vector<Call> out;
    for (const Call& c : W().calls) {
        if (c.fn != fn) continue;
        std::string named = !c.file.empty() ? c.file
                            : (!c.args.empty() && c.args[0].kind == Arg::kStr) ? c.args[0].str
                                                                                : std::string();
        if (SameText(named, path)) out.push_back(c);
    }
    return out;
}

// --------------------------------------------------------------- faults ----

void FailLocalAlloc(bool fail) { W().failLocalAlloc = fail; }
void FailMapping(bool fail) { W().failMapping = fail; }
void FailView(bool fail) { W().failView = fail; }
void FailGetTempPath(bool fail) { W().failTempPath = fail; }
void FailGetWindowsDirectory(bool fail) { W().failWindowsDirectory = fail; }
void FailGetShortPathName(bool fail) { W().failShortPath = fail; }
void ForceShortPathResult(DWORD result) { W().shortPathResult = result; }
void RefuseDelayedMoves(bool refuse) { W().refuseDelayedMoves = refuse; }
void FailGetModuleFileName(bool fail) { W().failModuleFileName = fail; }
void FailGetDlgItem(bool fail) { W().failGetDlgItem = fail; }
void FailPostMessage(bool fail) { W().failPostMessage = fail; }

// ----------------------------------------------------------- accounting ----

static int CountObjects(Kind kind) {
    int n = 0;
    for (const auto& [handle, object] : W().objects)
        if (object.kind == kind && !object.external) ++n;
    return n;
}

int OpenFileHandles() { return CountObjects(Kind::File); }
int OpenMappings() { return CountObjects(Kind::Mapping); }
int OpenFindHandles() { return CountObjects(Kind::Find); }
int LiveViews() { return static_cast<int>(W().views.size()); }
int LiveBlocks() { return static_cast<int>(W().blocks.size()); }
const std::vector<SIZE_T>& AllocSizes() { return W().allocSizes; }
const std::vector<std::string>& Misuses() { return W().misuses; }

std::string Leaks() {
    std::ostringstream out;
    for (const auto& [handle, object] : W().objects) {
        if (object.external) continue;
        const char* kind = object.kind == Kind::File      ? "file handle"
                           : object.kind == Kind::Mapping ? "mapping handle"
                                                          : "find handle";
        out << "open " << kind << " on " << object.path << "; ";
    }
    for (const auto& [base, view] : W().views)
        out << "view of " << W().mappings[view.mapping].path << " not unmapped; ";
    for (const auto& [block, size] : W().blocks) out << "LocalAlloc block of " << size << " not freed; ";
    for (const std::string& m : W().misuses) out << "misuse: " << m << "; ";
    return out.str();
}

void ReleaseAllObjects() {
    for (auto& [block, size] : W().blocks) std::free(block);
    W().blocks.clear();
    W().views.clear();
}

}  // namespace sim

// --------------------------------------------------------------- memory ----

using namespace sim;

extern "C" HLOCAL WINAPI LocalAlloc(UINT flags, SIZE_T bytes) {
    size_t call = Log("LocalAlloc", {Num(flags), Num(bytes)});
    W().allocSizes.push_back(bytes);
    if (W().failLocalAlloc) {
        Result(call, 0);
        return nullptr;
    }
    // Exactly the size asked for, so that a sanitizer notices overruns, and
    // not zeroed, as LMEM_FIXED memory is not.
    void* block = std::malloc(bytes ? bytes : 1);
    std::memset(block, 0xCD, bytes ? bytes : 1);
    if (flags & 0x0040) std::memset(block, 0, bytes);  // LMEM_ZEROINIT
    W().blocks[block] = bytes;
    Result(call, static_cast<int64_t>(reinterpret_cast<uintptr_t>(block)));
    return block;
}

extern "C" HLOCAL WINAPI LocalFree(HLOCAL memory) {
    size_t call = Log("LocalFree", {Ptr(memory)});
    if (!memory) return nullptr;
    auto it = W().blocks.find(memory);
    if (it == W().blocks.end()) {
        Misuse("LocalFree of a block that is not allocated");
        Result(call, 1);
        return memory;
    }
    std::free(memory);
    W().blocks.erase(it);
    return nullptr;
}
