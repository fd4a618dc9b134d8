// Drives, disks, directories and files; handles, mappings and views; short
// names; the system directories, the environment, delayed moves and WinExec.
#include "state.h"

#include <cctype>
#include <cstring>
#include <stdexcept>

namespace sim {

namespace {

constexpr size_t kMaxPath = 260;
constexpr uint64_t kAllocationGranularity = 65536;

struct Parsed {
    bool ok = false;
    std::string rootKey;      // "C:", "\\SERVER\SHARE"
    std::string rootDisplay;  // as typed
    std::vector<std::string> parts;
};

struct Found {
    Volume* volume = nullptr;  // null: no such drive or no disk in it
    int volumeId = 0;
    std::string rootKey;
    std::string key;      // canonical key below the root, upper case
    std::string display;  // full path with the names as stored
    std::shared_ptr<Node> node;  // null for the root and for missing entries
    bool isRoot = false;
    bool exists = false;
    bool parentExists = false;
    std::string lastPart;  // the final name as typed
};

std::vector<std::string> Split(std::string_view text) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : text) {
        if (c == '\\' || c == '/') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

void Append(std::vector<std::string>& parts, const std::vector<std::string>& more) {
    for (const std::string& p : more) {
        if (p.empty() || p == ".") continue;
        if (p == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(p);
    }
}

Parsed ParseAbsolute(std::string_view text) {
    Parsed out;
    if (text.size() >= 2 && (text[0] == '\\' || text[0] == '/') && (text[1] == '\\' || text[1] == '/')) {
        std::vector<std::string> parts = Split(text.substr(2));
        if (parts.size() < 2 || parts[0].empty() || parts[1].empty()) return out;
        out.rootKey = "\\\\" + Upper(parts[0]) + "\\" + Upper(parts[1]);
        out.rootDisplay = "\\\\" + parts[0] + "\\" + parts[1];
        Append(out.parts, std::vector<std::string>(parts.begin() + 2, parts.end()));
        out.ok = true;
        return out;
    }
    if (text.size() >= 2 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':') {
        out.rootKey = Upper(text.substr(0, 2));
        out.rootDisplay = std::string(text.substr(0, 2));
        Append(out.parts, Split(text.substr(2)));
        out.ok = true;
    }
    return out;
}

Parsed Parse(std::string_view text) {
    Parsed cur = ParseAbsolute(W().currentDirectory);
    if (text.size() >= 2 && text[1] == ':' && text.size() >= 3 && (text[2] == '\\' || text[2] == '/'))
        return ParseAbsolute(text);
    if (text.size() >= 2 && (text[0] == '\\' || text[0] == '/') && (text[1] == '\\' || text[1] == '/'))
        return ParseAbsolute(text);
    if (text.size() >= 2 && text[1] == ':') {
        // "X:name": relative to the current directory when it is on X.
        Parsed out = ParseAbsolute(text.substr(0, 2));
        if (out.ok && out.rootKey == cur.rootKey) out.parts = cur.parts;
        Append(out.parts, Split(text.substr(2)));
        return out;
    }
    if (!text.empty() && (text[0] == '\\' || text[0] == '/')) {
        cur.parts.clear();
        Append(cur.parts, Split(text));
        return cur;
    }
    Append(cur.parts, Split(text));
    return cur;
}

Volume* MountedVolume(const std::string& rootKey, int* id) {
    auto it = W().drives.find(rootKey);
    if (it == W().drives.end() || it->second.volume == 0) return nullptr;
    if (id) *id = it->second.volume;
    return &W().volumes[static_cast<size_t>(it->second.volume - 1)];
}

std::string JoinKey(const std::string& dir, const std::string& name) {
    return dir.empty() ? Upper(name) : dir + "\\" + Upper(name);
}

bool ValidShortChar(unsigned char c) {
    return std::isalnum(c) || c >= 0x80 || std::strchr("!#$%&'()-@^_`{}~", c) != nullptr;
}

bool IsShortName(const std::string& name) {
    size_t dot = name.find('.');
    std::string base = name.substr(0, dot);
    std::string ext = dot == std::string::npos ? "" : name.substr(dot + 1);
    if (base.empty() || base.size() > 8 || ext.size() > 3) return false;
    if (ext.find('.') != std::string::npos) return false;
    for (unsigned char c : base + ext)
        if (!ValidShortChar(c)) return false;
    return true;
}

std::string CleanForShort(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c == ' ' || c == '.') continue;
        out += ValidShortChar(c) ? static_cast<char>(std::toupper(c)) : '_';
    }
    return out;
}

void GeneratedParts(const std::string& name, std::string* prefix, std::string* ext) {
    size_t dot = name.rfind('.');
    std::string base = (dot == std::string::npos || dot == 0) ? name : name.substr(0, dot);
    std::string extension = (dot == std::string::npos || dot == 0) ? "" : name.substr(dot + 1);
    *prefix = CleanForShort(base).substr(0, 6);
    *ext = CleanForShort(extension).substr(0, 3);
}

std::string ParentKey(const std::string& key) {
    size_t slash = key.rfind('\\');
    return slash == std::string::npos ? "" : key.substr(0, slash);
}

std::vector<std::pair<std::string, std::shared_ptr<Node>>> Children(Volume& volume, const std::string& dirKey) {
    std::vector<std::pair<std::string, std::shared_ptr<Node>>> out;
    for (auto& [key, node] : volume.nodes)
        if (key != dirKey && ParentKey(key) == dirKey) out.push_back({key, node});
    return out;
}

std::string ShortNameOf(Volume& volume, const std::string& key, const Node& node) {
    if (!node.shortName.empty()) return node.shortName;
    if (IsShortName(node.name)) return node.name;
    std::string prefix, ext;
    GeneratedParts(node.name, &prefix, &ext);
    int n = 1;
    for (auto& [otherKey, other] : Children(volume, ParentKey(key))) {
        if (other.get() == &node || !other->shortName.empty() || IsShortName(other->name)) continue;
        std::string p, e;
        GeneratedParts(other->name, &p, &e);
        if (p == prefix && e == ext && other->created < node.created) ++n;
    }
    return prefix + "~" + std::to_string(n) + (ext.empty() ? "" : "." + ext);
}

Found Lookup(const Parsed& parsed) {
    Found f;
    if (!parsed.ok) return f;
    f.rootKey = parsed.rootKey;
    f.volume = MountedVolume(parsed.rootKey, &f.volumeId);
    std::string display = W().rootNames.count(parsed.rootKey) ? W().rootNames[parsed.rootKey] : parsed.rootDisplay;
    if (!f.volume) return f;
    if (parsed.parts.empty()) {
        f.isRoot = f.exists = f.parentExists = true;
        f.display = display + "\\";
        return f;
    }
    std::string key;
    for (size_t i = 0; i < parsed.parts.size(); ++i) {
        const std::string& part = parsed.parts[i];
        bool last = i + 1 == parsed.parts.size();
        std::shared_ptr<Node> node;
        std::string childKey = JoinKey(key, part);
        auto it = f.volume->nodes.find(childKey);
        if (it != f.volume->nodes.end()) {
            node = it->second;
        } else {
            for (auto& [k, n] : Children(*f.volume, key)) {
                if (SameText(ShortNameOf(*f.volume, k, *n), part)) {
                    node = n;
                    childKey = k;
                    break;
                }
            }
        }
        if (!node) {
            if (last) {
                f.parentExists = true;
                f.key = childKey;
                f.display = display + "\\" + part;
                f.lastPart = part;
            }
            return f;
        }
        if (!last && !node->dir) return f;
        key = childKey;
        display += "\\" + node->name;
        if (last) {
            f.exists = f.parentExists = true;
            f.key = key;
            f.display = display;
            f.node = node;
            f.lastPart = part;
        }
    }
    return f;
}

Found Lookup(std::string_view path) { return Lookup(Parse(path)); }

std::string FaultKey(const std::string& path) {
    Parsed p = Parse(path);
    Found f = Lookup(p);
    if (f.parentExists) return f.rootKey + "|" + f.key;
    std::string key;
    for (const std::string& part : p.parts) key = JoinKey(key, part);
    return p.rootKey + "|" + key;
}

FileFault* FaultFor(const std::string& rootKey, const std::string& key) {
    auto it = W().fileFaults.find(rootKey + "|" + key);
    return it == W().fileFaults.end() ? nullptr : &it->second;
}

FileFault* FaultFor(const Object& object) {
    Found f = Lookup(object.path);
    return FaultFor(object.rootKey, f.key);
}

std::shared_ptr<Node> NewNode(bool dir, const std::string& name) {
    auto node = std::make_shared<Node>();
    node->dir = dir;
    node->name = name;
    node->created = ++W().created;
    return node;
}

void MakeDirectoryOn(Volume& volume, const std::vector<std::string>& parts) {
    std::string key;
    for (const std::string& part : parts) {
        key = JoinKey(key, part);
        auto it = volume.nodes.find(key);
        if (it == volume.nodes.end()) {
            volume.nodes[key] = NewNode(true, part);
        } else if (!it->second->dir) {
            throw std::logic_error("a file stands where a directory is wanted: " + part);
        }
    }
}

void PutFileOn(Volume& volume, std::vector<std::string> parts, const Bytes& contents) {
    if (parts.empty()) throw std::logic_error("no file name");
    std::string name = parts.back();
    parts.pop_back();
    MakeDirectoryOn(volume, parts);
    std::string key;
    for (const std::string& part : parts) key = JoinKey(key, part);
    key = JoinKey(key, name);
    auto it = volume.nodes.find(key);
    if (it == volume.nodes.end()) {
        auto node = NewNode(false, name);
        *node->data = contents;
        volume.nodes[key] = node;
    } else {
        if (it->second->dir) throw std::logic_error("a directory stands where a file is wanted: " + name);
        *it->second->data = contents;
    }
}

Volume& VolumeForSetup(const Parsed& p) {
    if (!p.ok) throw std::logic_error("not a full Windows path");
    Volume* volume = MountedVolume(p.rootKey, nullptr);
    if (!volume) throw std::logic_error("no such drive, or no disk in it: " + p.rootDisplay);
    return *volume;
}

HANDLE ToHandle(uintptr_t value) { return reinterpret_cast<HANDLE>(value); }

Object* Find(HANDLE handle, Kind kind) {
    auto it = W().objects.find(reinterpret_cast<uintptr_t>(handle));
    if (it == W().objects.end() || it->second.kind != kind || it->second.external) return nullptr;
    return &it->second;
}

std::string PathOf(HANDLE handle) {
    auto it = W().objects.find(reinterpret_cast<uintptr_t>(handle));
    return it == W().objects.end() ? std::string() : it->second.path;
}

bool StillThere(const Object& object) {
    auto it = W().drives.find(object.rootKey);
    return it != W().drives.end() && it->second.volume == object.volume;
}

bool HasMapping(const std::shared_ptr<Node>& node) {
    for (auto& [id, mapping] : W().mappings)
        if (mapping.node == node) return true;
    return false;
}

DWORD Rights(DWORD access) {
    if (access & 0x10000000) access |= GENERIC_READ | GENERIC_WRITE;  // GENERIC_ALL
    return access & (GENERIC_READ | GENERIC_WRITE);
}

// Whether a new open with this access and share mode can coexist with the
// handles already open on the node.
bool SharingAllows(const std::shared_ptr<Node>& node, DWORD access, DWORD share) {
    for (auto& [handle, object] : W().objects) {
        if (object.kind != Kind::File || object.node != node) continue;
        if ((access & GENERIC_READ) && !(object.share & FILE_SHARE_READ)) return false;
        if ((access & GENERIC_WRITE) && !(object.share & FILE_SHARE_WRITE)) return false;
        if ((object.access & GENERIC_READ) && !(share & FILE_SHARE_READ)) return false;
        if ((object.access & GENERIC_WRITE) && !(share & FILE_SHARE_WRITE)) return false;
    }
    return true;
}

uintptr_t AddObject(Object object) {
    uintptr_t value = W().nextHandle;
    W().nextHandle += 4;
    W().objects[value] = std::move(object);
    return value;
}

// The file an open would reach, created when the disposition asks for it.
// Null when the open fails.
std::shared_ptr<Node> OpenNode(const char* name, DWORD access, DWORD share, DWORD disposition,
                               Found* found) {
    if (!name || std::strlen(name) >= kMaxPath) return nullptr;
    Found f = Lookup(name);
    *found = f;
    if (!f.volume || f.isRoot) return nullptr;
    FileFault* fault = FaultFor(f.rootKey, f.key);
    if (fault && fault->failOpen) return nullptr;
    if (f.exists && f.node->dir) return nullptr;
    bool create = false, truncate = false;
    switch (disposition) {
        case 1:  // CREATE_NEW
            if (f.exists) return nullptr;
            create = true;
            break;
        case CREATE_ALWAYS:
            create = !f.exists;
            truncate = f.exists;
            break;
        case OPEN_EXISTING:
            if (!f.exists) return nullptr;
            break;
        case OPEN_ALWAYS:
            create = !f.exists;
            break;
        case 5:  // TRUNCATE_EXISTING
            if (!f.exists) return nullptr;
            truncate = true;
            break;
        default:
            return nullptr;
    }
    if (create) {
        if (!f.parentExists) return nullptr;
        auto node = NewNode(false, f.lastPart);
        f.volume->nodes[f.key] = node;
        found->node = node;
        found->exists = true;
        found->display = f.display;
        return node;
    }
    if (!SharingAllows(f.node, Rights(access), share)) return nullptr;
    if (truncate) {
        if (HasMapping(f.node)) return nullptr;
        f.node->data->clear();
    }
    return f.node;
}

std::map<std::string, std::string> DisplayedEnvironment() {
    std::map<std::string, std::string> out;
    for (auto& [key, value] : W().environment) out[W().environmentNames[key]] = value;
    return out;
}

DWORD CopyOut(const std::string& text, char* buffer, DWORD length) {
    if (length < text.size() + 1) return static_cast<DWORD>(text.size() + 1);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<DWORD>(text.size());
}

}  // namespace

// ---------------------------------------------------------------- reset ----

void ResetFileSystem() {
    World& w = W();
    w.volumes.emplace_back();  // 1: C:
    w.drives["C:"] = Drive{false, 1};
    w.rootNames["C:"] = "C:";
    w.drives["A:"] = Drive{true, 0};
    w.rootNames["A:"] = "A:";
    w.currentDirectory = "C:\\";
    MakeDirectory("C:\\WINDOWS\\TEMP");
    w.tempPath = "C:\\WINDOWS\\TEMP\\";
    w.windowsDirectory = "C:\\WINDOWS";
    w.moduleFileName = "A:\\SETUP.EXE";
    for (auto [name, value] : std::vector<std::pair<std::string, std::string>>{
             {"PATH", "C:\\WINDOWS;C:\\WINDOWS\\COMMAND"},
             {"TEMP", "C:\\WINDOWS\\TEMP"},
             {"TMP", "C:\\WINDOWS\\TEMP"},
             {"windir", "C:\\WINDOWS"}}) {
        w.environment[Upper(name)] = value;
        w.environmentNames[Upper(name)] = name;
    }
}

// ---------------------------------------------------------------- setup ----

void MakeDirectory(const std::string& path) {
    Parsed p = Parse(path);
    MakeDirectoryOn(VolumeForSetup(p), p.parts);
}

void PutFile(const std::string& path, const Bytes& contents) {
    Parsed p = Parse(path);
    PutFileOn(VolumeForSetup(p), p.parts, contents);
}

void PutFile(const std::string& path, std::string_view contents) { PutFile(path, ToBytes(contents)); }

void RemoveFile(const std::string& path) {
    Found f = Lookup(path);
    if (f.exists && !f.isRoot) f.volume->nodes.erase(f.key);
}

bool FileExists(const std::string& path) {
    Found f = Lookup(path);
    return f.exists && f.node && !f.node->dir;
}

bool DirectoryExists(const std::string& path) {
    Found f = Lookup(path);
    return f.exists && (f.isRoot || f.node->dir);
}

std::optional<Bytes> FileBytes(const std::string& path) {
    Found f = Lookup(path);
    if (!f.exists || !f.node || f.node->dir) return std::nullopt;
    return *f.node->data;
}

std::string FileText(const std::string& path) {
    std::optional<Bytes> bytes = FileBytes(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

void SetShortName(const std::string& path, const std::string& shortName) {
    Found f = Lookup(path);
    if (!f.exists || !f.node) throw std::logic_error("no such file or directory: " + path);
    f.node->shortName = shortName;
}

int NewDisk() {
    W().volumes.emplace_back();
    return static_cast<int>(W().volumes.size());
}

void PutFileOnDisk(int disk, const std::string& pathOnDisk, const Bytes& contents) {
    if (disk < 1 || static_cast<size_t>(disk) > W().volumes.size()) throw std::logic_error("no such disk");
    std::vector<std::string> parts;
    Append(parts, Split(pathOnDisk));
    PutFileOn(W().volumes[static_cast<size_t>(disk - 1)], parts, contents);
}

void InsertDisk(char drive, int disk) {
    std::string key = Upper(std::string(1, drive) + ":");
    Drive& d = W().drives[key];
    d.removable = true;
    d.volume = disk;
    if (!W().rootNames.count(key)) W().rootNames[key] = key;
}

void EjectDisk(char drive) { InsertDisk(drive, 0); }

int DiskIn(char drive) {
    auto it = W().drives.find(Upper(std::string(1, drive) + ":"));
    return it == W().drives.end() ? 0 : it->second.volume;
}

void SetFreeSpace(char drive, uint64_t bytes) { W().drives[Upper(std::string(1, drive) + ":")].freeBytes = bytes; }
void SetSectorSize(char drive, DWORD bytes) { W().drives[Upper(std::string(1, drive) + ":")].sectorSize = bytes; }

void AddFixedDrive(char drive) {
    std::string key = Upper(std::string(1, drive) + ":");
    W().drives[key] = Drive{false, NewDisk()};
    W().rootNames[key] = key;
}

void AddNetworkShare(const std::string& root) {
    Parsed p = ParseAbsolute(root);
    if (!p.ok || !p.parts.empty()) throw std::logic_error("not a share root: " + root);
    W().drives[p.rootKey] = Drive{false, NewDisk()};
    W().rootNames[p.rootKey] = p.rootDisplay;
}

int HoldOpen(const std::string& path, DWORD access, DWORD share) {
    Found f = Lookup(path);
    if (!f.exists || !f.node || f.node->dir) throw std::logic_error("no such file: " + path);
    if (!SharingAllows(f.node, Rights(access), share)) throw std::logic_error("cannot hold " + path);
    Object o;
    o.external = true;
    o.path = f.display;
    o.rootKey = f.rootKey;
    o.volume = f.volumeId;
    o.node = f.node;
    o.access = Rights(access);
    o.share = share;
    return static_cast<int>(AddObject(std::move(o)));
}

void ReleaseHold(int hold) { W().objects.erase(static_cast<uintptr_t>(hold)); }

void SetTempPath(const std::string& path) {
    W().tempPath = path;
    if (Parse(path).ok && MountedVolume(Parse(path).rootKey, nullptr)) MakeDirectory(path);
}

void SetWindowsDirectory(const std::string& path) {
    W().windowsDirectory = path;
    if (Parse(path).ok && MountedVolume(Parse(path).rootKey, nullptr)) MakeDirectory(path);
}

void SetCurrentDirectory(const std::string& path) {
    if (!DirectoryExists(path)) throw std::logic_error("no such directory: " + path);
    W().currentDirectory = path;
}

std::string CurrentDirectory() { return W().currentDirectory; }

std::optional<std::string> Env(const std::string& name) {
    auto it = W().environment.find(Upper(name));
    if (it == W().environment.end()) return std::nullopt;
    return it->second;
}

std::map<std::string, std::string> Environment() { return DisplayedEnvironment(); }

std::optional<std::string> Launch::Env(const std::string& name) const {
    for (auto& [key, value] : environment)
        if (SameText(key, name)) return value;
    return std::nullopt;
}

void FailOpen(const std::string& path) { W().fileFaults[FaultKey(path)].failOpen = true; }
void FailWritesBeyond(const std::string& path, uint64_t size) {
    W().fileFaults[FaultKey(path)].failWritesBeyond = size;
}
void ShortWritesBeyond(const std::string& path, uint64_t size) {
    W().fileFaults[FaultKey(path)].shortWritesBeyond = size;
}
void FailReadAt(const std::string& path, uint64_t offset) {
    W().fileFaults[FaultKey(path)].failReadAt.push_back(offset);
}
void FailGetFileSize(const std::string& path) { W().fileFaults[FaultKey(path)].failGetFileSize = true; }
void ReportFileSizeHigh(const std::string& path, DWORD high) { W().fileFaults[FaultKey(path)].sizeHigh = high; }

const std::vector<DelayedMove>& DelayedMoves() { return W().delayedMoves; }
const std::vector<Launch>& Launches() { return W().launches; }
UINT ErrorMode() { return W().errorMode; }

}  // namespace sim

using namespace sim;

// ---------------------------------------------------------------- files ----

extern "C" HANDLE WINAPI CreateFileA(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode,
                                     LPSECURITY_ATTRIBUTES security, DWORD creationDisposition,
                                     DWORD flagsAndAttributes, HANDLE templateFile) {
    size_t call = Log("CreateFileA", {Str(fileName), Num(desiredAccess), Num(shareMode), Ptr(security),
                                      Num(creationDisposition), Num(flagsAndAttributes), Ptr(templateFile)});
    Found f;
    std::shared_ptr<Node> node = OpenNode(fileName, desiredAccess, shareMode, creationDisposition, &f);
    if (!node) {
        Result(call, -1);
        return INVALID_HANDLE_VALUE;
    }
    Object o;
    o.path = f.display;
    o.rootKey = f.rootKey;
    o.volume = f.volumeId;
    o.node = node;
    o.access = Rights(desiredAccess);
    o.share = shareMode;
    W().calls[call].file = o.path;
    uintptr_t handle = AddObject(std::move(o));
    Result(call, static_cast<int64_t>(handle));
    return ToHandle(handle);
}

extern "C" BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read,
                                LPOVERLAPPED overlapped) {
    size_t call = Log("ReadFile", {Ptr(file), Ptr(buffer), Num(toRead), Ptr(read), Ptr(overlapped)}, PathOf(file));
    if (read) *read = 0;
    Object* o = Find(file, Kind::File);
    if (!o || !(o->access & GENERIC_READ) || !StillThere(*o) || !read) {
        Result(call, 0);
        return FALSE;
    }
    const Bytes& data = *o->node->data;
    uint64_t available = o->position < data.size() ? data.size() - o->position : 0;
    uint64_t n = std::min<uint64_t>(toRead, available);
    FileFault* fault = FaultFor(*o);
    for (uint64_t bad : fault ? fault->failReadAt : std::vector<uint64_t>()) {
        if (n > 0 && bad >= o->position && bad < o->position + n) {
            Result(call, 0);
            return FALSE;
        }
    }
    if (n) std::memcpy(buffer, data.data() + o->position, n);
    o->position += n;
    *read = static_cast<DWORD>(n);
    W().calls[call].args.push_back(Num(n));
    Result(call, 1);
    return TRUE;
}

extern "C" BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD toWrite, LPDWORD written,
                                 LPOVERLAPPED overlapped) {
    size_t call = Log("WriteFile", {Ptr(file), Ptr(buffer), Num(toWrite), Ptr(written), Ptr(overlapped)},
                      PathOf(file));
    if (written) *written = 0;
    Object* o = Find(file, Kind::File);
    if (!o || !(o->access & GENERIC_WRITE) || !StillThere(*o) || !written) {
        Result(call, 0);
        return FALSE;
    }
    Bytes& data = *o->node->data;
    uint64_t n = toWrite;
    uint64_t end = o->position + n;
    FileFault* fault = FaultFor(*o);
    if (fault && fault->failWritesBeyond && end > *fault->failWritesBeyond && end > data.size()) {
        W().calls[call].args.push_back(Num(0));
        Result(call, 0);
        return FALSE;
    }
    if (fault && fault->shortWritesBeyond && end > *fault->shortWritesBeyond)
        n = o->position < *fault->shortWritesBeyond ? *fault->shortWritesBeyond - o->position : 0;
    if (n) {
        if (data.size() < o->position + n) data.resize(o->position + n, 0);
        std::memcpy(data.data() + o->position, buffer, n);
    }
    o->position += n;
    *written = static_cast<DWORD>(n);
    W().calls[call].args.push_back(Num(n));
    Result(call, 1);
    return TRUE;
}

extern "C" BOOL WINAPI CloseHandle(HANDLE object) {
    size_t call = Log("CloseHandle", {Ptr(object)}, PathOf(object));
    auto it = W().objects.find(reinterpret_cast<uintptr_t>(object));
    if (it == W().objects.end() || it->second.external) {
        Misuse("CloseHandle of a handle that is not open");
        Result(call, 0);
        return FALSE;
    }
    if (it->second.kind == Kind::Find) {
        Misuse("CloseHandle of a find handle (FindClose closes those)");
        Result(call, 0);
        return FALSE;
    }
    if (it->second.kind == Kind::Mapping) {
        Mapping& m = W().mappings[it->second.mapping];
        m.handleOpen = false;
        if (m.views == 0) W().mappings.erase(it->second.mapping);
    }
    W().objects.erase(it);
    Result(call, 1);
    return TRUE;
}

extern "C" DWORD WINAPI GetFileSize(HANDLE file, LPDWORD sizeHigh) {
    size_t call = Log("GetFileSize", {Ptr(file), Ptr(sizeHigh)}, PathOf(file));
    Object* o = Find(file, Kind::File);
    FileFault* fault = o ? FaultFor(*o) : nullptr;
    if (!o || (fault && fault->failGetFileSize)) {
        Result(call, INVALID_FILE_SIZE);
        return INVALID_FILE_SIZE;
    }
    DWORD low = static_cast<DWORD>(o->node->data->size());
    if (sizeHigh) *sizeHigh = fault ? fault->sizeHigh : 0;
    Result(call, low);
    return low;
}

extern "C" DWORD WINAPI SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD moveMethod) {
    size_t call = Log("SetFilePointer",
                      {Ptr(file), Num(static_cast<DWORD>(distance)),
                       distanceHigh ? Num(static_cast<DWORD>(*distanceHigh)) : Arg{}, Num(moveMethod)},
                      PathOf(file));
    Object* o = Find(file, Kind::File);
    if (!o || moveMethod > 2) {
        Result(call, INVALID_SET_FILE_POINTER);
        return INVALID_SET_FILE_POINTER;
    }
    int64_t move = distanceHigh
                       ? static_cast<int64_t>((static_cast<uint64_t>(static_cast<DWORD>(*distanceHigh)) << 32) |
                                              static_cast<DWORD>(distance))
                       : static_cast<int64_t>(distance);
    int64_t base = moveMethod == 0   ? 0
                   : moveMethod == 1 ? static_cast<int64_t>(o->position)
                                     : static_cast<int64_t>(o->node->data->size());
    int64_t target = base + move;
    if (target < 0) {
        Result(call, INVALID_SET_FILE_POINTER);
        return INVALID_SET_FILE_POINTER;
    }
    o->position = static_cast<uint64_t>(target);
    if (distanceHigh) *distanceHigh = static_cast<LONG>(static_cast<uint64_t>(target) >> 32);
    Result(call, static_cast<DWORD>(target));
    return static_cast<DWORD>(target);
}

// Fails while a mapping of the file exists, as on the real system.
extern "C" BOOL WINAPI SetEndOfFile(HANDLE file) {
    size_t call = Log("SetEndOfFile", {Ptr(file)}, PathOf(file));
    Object* o = Find(file, Kind::File);
    if (!o || !(o->access & GENERIC_WRITE) || HasMapping(o->node)) {
        Result(call, 0);
        return FALSE;
    }
    o->node->data->resize(o->position, 0);
    Result(call, 1);
    return TRUE;
}

extern "C" HANDLE WINAPI CreateFileMappingA(HANDLE file, LPSECURITY_ATTRIBUTES security, DWORD protect,
                                            DWORD maximumSizeHigh, DWORD maximumSizeLow, LPCSTR name) {
    size_t call = Log("CreateFileMappingA", {Ptr(file), Ptr(security), Num(protect), Num(maximumSizeHigh),
                                             Num(maximumSizeLow), Str(name)},
                      PathOf(file));
    Object* o = Find(file, Kind::File);
    bool readWrite = protect == PAGE_READWRITE;
    bool readOnly = protect == 0x02;  // PAGE_READONLY
    if (!o || W().failMapping || (!readWrite && !readOnly) || maximumSizeHigh != 0 ||
        !(o->access & GENERIC_READ) || (readWrite && !(o->access & GENERIC_WRITE))) {
        Result(call, 0);
        return nullptr;
    }
    Bytes& data = *o->node->data;
    uint64_t size = maximumSizeLow ? maximumSizeLow : data.size();
    if (size == 0 || (size > data.size() && !readWrite)) {
        Result(call, 0);
        return nullptr;
    }
    if (size > data.size()) data.resize(size, 0);
    int id = W().nextMapping++;
    W().mappings[id] = Mapping{o->node, o->path, size, true, 0};
    Object m;
    m.kind = Kind::Mapping;
    m.path = o->path;
    m.node = o->node;
    m.mapping = id;
    uintptr_t handle = AddObject(std::move(m));
    Result(call, static_cast<int64_t>(handle));
    return ToHandle(handle);
}

// A view is a copy of the mapped bytes; unmapping writes it back.
extern "C" LPVOID WINAPI MapViewOfFile(HANDLE mapping, DWORD desiredAccess, DWORD offsetHigh, DWORD offsetLow,
                                       SIZE_T bytesToMap) {
    size_t call = Log("MapViewOfFile", {Ptr(mapping), Num(desiredAccess), Num(offsetHigh), Num(offsetLow),
                                        Num(bytesToMap)},
                      PathOf(mapping));
    Object* o = Find(mapping, Kind::Mapping);
    if (!o || W().failView) {
        Result(call, 0);
        return nullptr;
    }
    Mapping& m = W().mappings[o->mapping];
    uint64_t offset = (static_cast<uint64_t>(offsetHigh) << 32) | offsetLow;
    uint64_t length = bytesToMap ? bytesToMap : (offset <= m.size ? m.size - offset : 0);
    if (offset % kAllocationGranularity != 0 || offset + length > m.size || length == 0) {
        Result(call, 0);
        return nullptr;
    }
    View v;
    v.mapping = o->mapping;
    v.offset = offset;
    v.writable = (desiredAccess & FILE_MAP_WRITE) != 0;
    v.size = static_cast<size_t>(length);
    v.bytes.reset(new unsigned char[v.size]);
    const Bytes& data = *m.node->data;
    std::memset(v.bytes.get(), 0, v.size);
    if (offset < data.size())
        std::memcpy(v.bytes.get(), data.data() + offset, std::min<uint64_t>(length, data.size() - offset));
    unsigned char* base = v.bytes.get();
    W().views[base] = std::move(v);
    ++m.views;
    Result(call, static_cast<int64_t>(reinterpret_cast<uintptr_t>(base)));
    return base;
}

extern "C" BOOL WINAPI UnmapViewOfFile(LPCVOID baseAddress) {
    size_t call = Log("UnmapViewOfFile", {Ptr(baseAddress)});
    auto it = W().views.find(baseAddress);
    if (it == W().views.end()) {
        Misuse("UnmapViewOfFile of an address that is no view");
        Result(call, 0);
        return FALSE;
    }
    View& v = it->second;
    Mapping& m = W().mappings[v.mapping];
    W().calls[call].file = m.path;
    if (v.writable) {
        Bytes& data = *m.node->data;
        if (data.size() < v.offset + v.size) data.resize(v.offset + v.size, 0);
        std::memcpy(data.data() + v.offset, v.bytes.get(), v.size);
    }
    int id = v.mapping;
    W().views.erase(it);
    if (--m.views == 0 && !m.handleOpen) W().mappings.erase(id);
    Result(call, 1);
    return TRUE;
}

static bool WildMatch(const char* pattern, const char* text) {
    if (!*pattern) return !*text;
    if (*pattern == '*') return WildMatch(pattern + 1, text) || (*text && WildMatch(pattern, text + 1));
    if (!*text) return false;
    if (*pattern == '?' || std::toupper(static_cast<unsigned char>(*pattern)) ==
                               std::toupper(static_cast<unsigned char>(*text)))
        return WildMatch(pattern + 1, text + 1);
    return false;
}

extern "C" HANDLE WINAPI FindFirstFileA(LPCSTR fileName, LPWIN32_FIND_DATAA findData) {
    size_t call = Log("FindFirstFileA", {Str(fileName), Ptr(findData)});
    if (!fileName || !findData) {
        Result(call, -1);
        return INVALID_HANDLE_VALUE;
    }
    std::shared_ptr<Node> node;
    std::string key;
    Found f = Lookup(fileName);
    std::string name = f.lastPart;
    if (f.volume && name.find_first_of("*?") != std::string::npos) {
        for (auto& [k, n] : Children(*f.volume, ParentKey(f.key)))
            if (WildMatch(name.c_str(), n->name.c_str()) ||
                WildMatch(name.c_str(), ShortNameOf(*f.volume, k, *n).c_str())) {
                node = n;
                key = k;
                break;
            }
    } else if (f.exists && f.node) {
        node = f.node;
        key = f.key;
    }
    if (!node) {
        Result(call, -1);
        return INVALID_HANDLE_VALUE;
    }
    std::memset(findData, 0, sizeof *findData);
    findData->dwFileAttributes = node->dir ? 0x10 : 0x20;
    findData->nFileSizeLow = static_cast<DWORD>(node->data->size());
    std::strncpy(findData->cFileName, node->name.c_str(), sizeof findData->cFileName - 1);
    std::string shortName = ShortNameOf(*f.volume, key, *node);
    if (shortName != node->name)
        std::strncpy(findData->cAlternateFileName, shortName.c_str(), sizeof findData->cAlternateFileName - 1);
    Object o;
    o.kind = Kind::Find;
    o.path = f.display;
    o.node = node;
    uintptr_t handle = AddObject(std::move(o));
    Result(call, static_cast<int64_t>(handle));
    return ToHandle(handle);
}

extern "C" BOOL WINAPI FindClose(HANDLE find) {
    size_t call = Log("FindClose", {Ptr(find)}, PathOf(find));
    if (!Find(find, Kind::Find)) {
        Misuse("FindClose of a handle that is no find handle");
        Result(call, 0);
        return FALSE;
    }
    W().objects.erase(reinterpret_cast<uintptr_t>(find));
    Result(call, 1);
    return TRUE;
}

extern "C" BOOL WINAPI MoveFileExA(LPCSTR existingFileName, LPCSTR newFileName, DWORD flags) {
    size_t call = Log("MoveFileExA", {Str(existingFileName), Str(newFileName), Num(flags)});
    DelayedMove move;
    move.source = existingFileName ? existingFileName : "";
    if (newFileName) move.target = newFileName;
    move.flags = flags;
    move.accepted = !W().refuseDelayedMoves && existingFileName && (flags & MOVEFILE_DELAY_UNTIL_REBOOT);
    W().delayedMoves.push_back(move);
    Result(call, move.accepted ? 1 : 0);
    return move.accepted ? TRUE : FALSE;
}

// Fails on an open file, as on the real system.
extern "C" BOOL WINAPI DeleteFileA(LPCSTR fileName) {
    size_t call = Log("DeleteFileA", {Str(fileName)});
    Found f = fileName ? Lookup(fileName) : Found{};
    bool open = false;
    for (auto& [handle, object] : W().objects)
        open = open || (f.node && object.node == f.node && object.kind == Kind::File);
    if (!f.exists || !f.node || f.node->dir || open) {
        Result(call, 0);
        return FALSE;
    }
    f.volume->nodes.erase(f.key);
    Result(call, 1);
    return TRUE;
}

extern "C" BOOL WINAPI CreateDirectoryA(LPCSTR pathName, LPSECURITY_ATTRIBUTES security) {
    size_t call = Log("CreateDirectoryA", {Str(pathName), Ptr(security)});
    Found f = pathName && std::strlen(pathName) < kMaxPath ? Lookup(pathName) : Found{};
    if (!f.volume || f.exists || !f.parentExists) {
        Result(call, 0);
        return FALSE;
    }
    f.volume->nodes[f.key] = NewNode(true, f.lastPart);
    Result(call, 1);
    return TRUE;
}

// Only an empty directory goes.
extern "C" BOOL WINAPI RemoveDirectoryA(LPCSTR pathName) {
    size_t call = Log("RemoveDirectoryA", {Str(pathName)});
    Found f = pathName ? Lookup(pathName) : Found{};
    if (!f.exists || f.isRoot || !f.node->dir || !Children(*f.volume, f.key).empty()) {
        Result(call, 0);
        return FALSE;
    }
    f.volume->nodes.erase(f.key);
    Result(call, 1);
    return TRUE;
}

// One sector a cluster; the free bytes and the sector size the test set.
extern "C" BOOL WINAPI GetDiskFreeSpaceA(LPCSTR rootPathName, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector,
                                         LPDWORD freeClusters, LPDWORD totalClusters) {
    size_t call = Log("GetDiskFreeSpaceA", {Str(rootPathName)});
    Parsed p = rootPathName ? Parse(rootPathName) : Parsed{};
    auto it = W().drives.find(p.rootKey);
    if (!p.ok || !p.parts.empty() || it == W().drives.end() || it->second.volume == 0) {
        Result(call, 0);
        return FALSE;
    }
    const Drive& d = it->second;
    *sectorsPerCluster = 1;
    *bytesPerSector = d.sectorSize;
    *freeClusters = static_cast<DWORD>(std::min<uint64_t>(d.freeBytes / d.sectorSize, 0xFFFFFFFFu));
    *totalClusters = *freeClusters;
    Result(call, 1);
    return TRUE;
}

extern "C" UINT WINAPI SetErrorMode(UINT mode) {
    size_t call = Log("SetErrorMode", {Num(mode)});
    UINT old = W().errorMode;
    W().errorMode = mode;
    Result(call, old);
    return old;
}

// ------------------------------------------------ paths and directories ----

extern "C" DWORD WINAPI GetTempPathA(DWORD bufferLength, LPSTR buffer) {
    size_t call = Log("GetTempPathA", {Num(bufferLength), Ptr(buffer)});
    DWORD result = W().failTempPath ? 0 : CopyOut(W().tempPath, buffer, bufferLength);
    Result(call, result);
    return result;
}

extern "C" UINT WINAPI GetWindowsDirectoryA(LPSTR buffer, UINT size) {
    size_t call = Log("GetWindowsDirectoryA", {Ptr(buffer), Num(size)});
    UINT result = W().failWindowsDirectory ? 0 : CopyOut(W().windowsDirectory, buffer, size);
    Result(call, result);
    return result;
}

extern "C" DWORD WINAPI GetCurrentDirectoryA(DWORD bufferLength, LPSTR buffer) {
    size_t call = Log("GetCurrentDirectoryA", {Num(bufferLength), Ptr(buffer)});
    DWORD result = CopyOut(W().currentDirectory, buffer, bufferLength);
    Result(call, result);
    return result;
}

extern "C" BOOL WINAPI SetCurrentDirectoryA(LPCSTR pathName) {
    size_t call = Log("SetCurrentDirectoryA", {Str(pathName)});
    if (!pathName || std::strlen(pathName) >= kMaxPath || !DirectoryExists(pathName)) {
        Result(call, 0);
        return FALSE;
    }
    // The directory is kept as it was named, made full and tidied.
    Parsed p = Parse(pathName);
    std::string text = p.rootDisplay;
    for (const std::string& part : p.parts) text += "\\" + part;
    if (p.parts.empty()) text += "\\";
    W().currentDirectory = text;
    Result(call, 1);
    return TRUE;
}

extern "C" BOOL WINAPI SetEnvironmentVariableA(LPCSTR name, LPCSTR value) {
    size_t call = Log("SetEnvironmentVariableA", {Str(name), Str(value)});
    if (!name || !*name || std::strchr(name + 1, '=')) {
        Result(call, 0);
        return FALSE;
    }
    std::string key = Upper(name);
    if (value) {
        W().environment[key] = value;
        if (!W().environmentNames.count(key)) W().environmentNames[key] = name;
    } else {
        W().environment.erase(key);
        W().environmentNames.erase(key);
    }
    Result(call, 1);
    return TRUE;
}

extern "C" DWORD WINAPI GetShortPathNameA(LPCSTR longPath, LPSTR shortPath, DWORD bufferLength) {
    size_t call = Log("GetShortPathNameA", {Str(longPath), Ptr(shortPath), Num(bufferLength)});
    if (W().failShortPath || !longPath) {
        Result(call, 0);
        return 0;
    }
    if (W().shortPathResult) {
        Result(call, *W().shortPathResult);
        return *W().shortPathResult;
    }
    Parsed p = Parse(longPath);
    Found f = Lookup(p);
    if (!f.exists) {
        Result(call, 0);
        return 0;
    }
    std::string text = W().rootNames[p.rootKey];
    std::string key;
    for (const std::string& part : p.parts) {
        Found step = Lookup(text + "\\" + part);
        key = step.key;
        text += "\\" + ShortNameOf(*f.volume, key, *step.node);
    }
    if (p.parts.empty()) text += "\\";
    DWORD result = CopyOut(text, shortPath, bufferLength);
    Result(call, result);
    return result;
}

// -------------------------------------------------------------- process ----

extern "C" UINT WINAPI WinExec(LPCSTR cmdLine, UINT cmdShow) {
    size_t call = Log("WinExec", {Str(cmdLine), Num(cmdShow)});
    Launch launch;
    launch.seq = W().calls[call].seq;
    launch.commandLine = cmdLine ? cmdLine : "";
    launch.show = cmdShow;
    launch.currentDirectory = W().currentDirectory;
    launch.environment = DisplayedEnvironment();
    launch.errorMode = W().errorMode;
    std::string program;
    const std::string& line = launch.commandLine;
    if (!line.empty() && line[0] == '"') {
        size_t close = line.find('"', 1);
        program = line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    } else {
        program = line.substr(0, line.find(' '));
    }
    Found f = Lookup(program);
    if (f.exists && f.node && !f.node->dir) {
        launch.resolvedPath = f.display;
        launch.image = *f.node->data;
    }
    UINT result = launch.image ? 33 : 2;  // ERROR_FILE_NOT_FOUND
    W().launches.push_back(std::move(launch));
    Result(call, result);
    return result;
}
