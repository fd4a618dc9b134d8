// Drawing assembly cases and running them against the launcher and the
// model of what it must do.
#include "assembly_model.h"

#include "assembly/assembly.h"
#include "pieces.h"
#include "winsim.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace fault {
namespace {

using Bytes = std::vector<unsigned char>;

constexpr const char* kTemp = "C:\\WINDOWS\\TEMP\\kqtmpins.exe";
constexpr const char* kAsk = "Please insert disk ";
constexpr const char* kNextDisk = "Next Disk";
constexpr const char* kWrongDisk = "This is not the right disk";

const unit::PieceSet& Genuine() {
    static const unit::PieceSet set;
    return set;
}
const unit::PieceSet& Foreign() {
    static const unit::PieceSet set("Space Quest", 0x33);
    return set;
}

struct ShownBox {
    std::string text;
    std::optional<std::string> caption;
    unsigned style = 0;
    bool operator==(const ShownBox& o) const { return text == o.text && caption == o.caption && style == o.style; }
};

struct Expected {
    std::vector<ShownBox> boxes;
    std::vector<std::string> reads;  // every open of a piece, in order
    bool tempCreated = false;
    bool started = false;
    Bytes image;
};

bool SideBySide(const AssemblyCase& c) { return c.layout == Layout::kSideBySide; }
std::string Prefix(const AssemblyCase& c) { return SideBySide(c) ? "C:\\SETUP\\" : "A:\\"; }
std::string PiecePath(const AssemblyCase& c, int n) { return Prefix(c) + "FILE." + std::to_string(n); }
int Count(const AssemblyCase& c) { return static_cast<int>(c.payloads.size()); }

// Pieces past the cut set (a stray FILE.n+1) are genuine-looking last pieces.
size_t PayloadOf(const AssemblyCase& c, int n) { return n <= Count(c) ? c.payloads[n - 1] : 777; }
bool MarkOf(const AssemblyCase& c, int n) { return n <= Count(c) ? c.marks[n - 1] : true; }

Bytes FileBytes(const AssemblyCase& c, const SlotFile& slot, int n) {
    size_t size = PayloadOf(c, n);
    switch (slot.kind) {
        case SlotFile::kGenuine:
            return Genuine().Piece(n, size, MarkOf(c, n));
        case SlotFile::kForeign:
            if (slot.variant == 0) return Foreign().Piece(n, size, slot.foreignLast);
            else {
                Bytes bytes = Genuine().Piece(n, size, slot.foreignLast);
                bytes[static_cast<size_t>(slot.variant - 1)] ^= 0x21;
                return bytes;
            }
        case SlotFile::kShort: {
            Bytes bytes = Genuine().Piece(n, size, MarkOf(c, n));
            bytes.resize(slot.shortLength);
            return bytes;
        }
        case SlotFile::kDirectory:
            break;
    }
    return Bytes();
}

// What stands at FILE.n on the disk in the drive; null when nothing.
const SlotFile* At(const AssemblyCase& c, int disk, int n) {
    int index = SideBySide(c) ? 1 : disk;
    if (index < 1 || index > static_cast<int>(c.disks.size())) return nullptr;
    auto it = c.disks[static_cast<size_t>(index - 1)].find(n);
    return it == c.disks[static_cast<size_t>(index - 1)].end() ? nullptr : &it->second;
}

// The disk in the drive after the user's action at a prompt for piece n.
int DiskAfter(const AssemblyCase& c, const Answer& a, int n, int current) {
    if (a.mode == Answer::kLeave) return current;
    if (a.mode == Answer::kDisk) return a.disk;
    for (size_t i = 0; i < c.disks.size(); ++i) {
        auto it = c.disks[i].find(n);
        if (it != c.disks[i].end() && it->second.kind == SlotFile::kGenuine) return static_cast<int>(i + 1);
    }
    return current;
}

std::optional<uint64_t> ReadFault(const AssemblyCase& c, int n) {
    auto it = c.readFaults.find(n);
    if (it == c.readFaults.end()) return std::nullopt;
    return it->second;
}

Expected Predict(const AssemblyCase& c) {
    Expected e;
    if (c.setup != SetupFault::kNone) return e;
    e.tempCreated = true;
    int current = SideBySide(c) ? 1 : c.startDisk;
    size_t nextAnswer = 0;
    auto ask = [&](int n, const char* caption) {
        e.boxes.push_back({kAsk + std::to_string(n), std::string(caption), 1});
        Answer a = nextAnswer < c.answers.size() ? c.answers[nextAnswer++] : Answer{Answer::kLeave, 0, 2};
        if (!SideBySide(c)) current = DiskAfter(c, a, n, current);
        return a.code == 1;
    };
    auto stop = [&](const std::string& text) { e.boxes.push_back({text, std::nullopt, 0x10}); };
    // A piece can be read when it opens; its header when the file holds one
    // and no read of it fails.
    auto opens = [&](const SlotFile* slot, int n) {
        return slot && slot->kind != SlotFile::kDirectory && !c.openFaults.count(n);
    };
    auto headerReads = [&](const Bytes& bytes, int n) {
        std::optional<uint64_t> fault = ReadFault(c, n);
        return bytes.size() >= 1024 && !(fault && *fault < 1024);
    };

    e.reads.push_back(PiecePath(c, 1));
    const SlotFile* slot = At(c, current, 1);
    if (!opens(slot, 1)) {
        stop("Missing FILE.1");
        return e;
    }
    Bytes bytes = FileBytes(c, *slot, 1);
    if (!headerReads(bytes, 1)) {
        stop("Could not read disk 1");
        return e;
    }
    const Bytes reference(bytes.begin(), bytes.begin() + 1023);
    bool foundWithoutPrompt = false;
    for (int n = 1;; ) {
        std::optional<uint64_t> fault = ReadFault(c, n);
        for (size_t at = 1024; at < bytes.size(); at += 1024) {
            size_t length = std::min<size_t>(1024, bytes.size() - at);
            if (fault && *fault >= at && *fault < at + length) {
                stop("Could not read disk " + std::to_string(n));
                return e;
            }
            if (c.writeLimit && e.image.size() + length > *c.writeLimit) {
                stop("Could not assemble installer.  Out of disk space?");
                return e;
            }
            e.image.insert(e.image.end(), bytes.begin() + static_cast<long>(at),
                           bytes.begin() + static_cast<long>(at + length));
        }
        if (bytes[1023] != 0) {
            e.started = true;
            return e;
        }
        ++n;
        if (At(c, current, n)) foundWithoutPrompt = true;
        else if (!foundWithoutPrompt && !ask(n, kNextDisk)) return e;
        for (;;) {
            e.reads.push_back(PiecePath(c, n));
            slot = At(c, current, n);
            if (opens(slot, n)) {
                bytes = FileBytes(c, *slot, n);
                if (headerReads(bytes, n) && std::equal(reference.begin(), reference.end(), bytes.begin())) break;
            }
            if (!ask(n, kWrongDisk)) return e;
        }
    }
}

void PutSlot(const std::string& path, const AssemblyCase& c, const SlotFile& slot, int n) {
    if (slot.kind == SlotFile::kDirectory) sim::MakeDirectory(path);
    else sim::PutFile(path, FileBytes(c, slot, n));
}

std::string Show(const std::vector<ShownBox>& boxes) {
    std::string out = "[";
    for (const ShownBox& b : boxes)
        out += "{\"" + b.text + "\" " + (b.caption ? "\"" + *b.caption + "\"" : std::string("(null)")) + " " +
               std::to_string(b.style) + "} ";
    return out + "]";
}

std::string Show(const std::vector<std::string>& paths) {
    std::string out = "[";
    for (const std::string& p : paths) out += p + " ";
    return out + "]";
}

}  // namespace

AssemblyCase DrawAssemblyCase(Draw& draw, const CaseProfile& profile) {
    static const size_t kSizes[] = {0, 1, 1023, 1024, 1025, 2047, 2048, 3071};
    AssemblyCase c;
    int count = static_cast<int>(draw.Between(1, 12));
    for (int n = 1; n <= count; ++n) {
        c.payloads.push_back(draw.Percent(60) ? kSizes[draw.Below(8)] : draw.Below(5000));
        c.marks.push_back(false);
    }
    c.marks[static_cast<size_t>(count - 1)] = !draw.Percent(5);
    if (draw.Percent(15)) c.marks[draw.Below(static_cast<uint32_t>(count))] = true;
    // A stray piece after the end, which must never be opened.
    int stray = draw.Percent(30) ? count + 1 : count;

    c.layout = profile.layout >= 0 ? static_cast<Layout>(profile.layout) : static_cast<Layout>(draw.Below(4));
    if (c.layout == Layout::kSideBySide || c.layout == Layout::kOneDisk) {
        c.disks.resize(1);
        for (int n = 1; n <= stray; ++n) c.disks[0][n] = SlotFile{};
    } else if (c.layout == Layout::kOnePerDisk) {
        for (int n = 1; n <= stray; ++n) c.disks.push_back(Disk{{n, SlotFile{}}});
    } else {
        for (int n = 1; n <= stray;) {
            Disk disk;
            for (int size = static_cast<int>(draw.Between(1, 4)); size > 0 && n <= stray; --size, ++n)
                disk[n] = SlotFile{};
            c.disks.push_back(disk);
        }
    }
    if (c.layout != Layout::kSideBySide && draw.Percent(profile.perturbPercent / 2 + 1)) c.disks.push_back(Disk{});

    uint32_t changes = draw.Percent(profile.perturbPercent) ? draw.Between(1, 4) : 0;
    for (uint32_t i = 0; i < changes; ++i) {
        Disk& disk = c.disks[draw.Below(static_cast<uint32_t>(c.disks.size()))];
        int n = static_cast<int>(draw.Between(1, static_cast<uint32_t>(count + 1)));
        uint32_t kind = draw.Below(100);
        if (kind < 25) {
            disk.erase(n);
        } else if (kind < 55) {
            SlotFile slot;
            slot.kind = SlotFile::kForeign;
            slot.variant = draw.Percent(50) ? 0 : static_cast<int>(draw.Between(1, 1023));
            slot.foreignLast = draw.Percent(30);
            disk[n] = slot;
        } else if (kind < 70) {
            SlotFile slot;
            slot.kind = SlotFile::kShort;
            slot.shortLength = draw.Below(1024);
            disk[n] = slot;
        } else if (kind < 80) {
            SlotFile slot;
            slot.kind = SlotFile::kDirectory;
            disk[n] = slot;
        } else {
            disk[n] = SlotFile{};  // a copy of the genuine piece on another disk
        }
    }

    c.startDisk = draw.Percent(90) ? 1 : static_cast<int>(draw.Below(static_cast<uint32_t>(c.disks.size() + 1)));

    if (draw.Percent(profile.faultPercent)) {
        if (draw.Percent(50)) {
            int n = static_cast<int>(draw.Between(1, static_cast<uint32_t>(count)));
            uint64_t end = 1024 + PayloadOf(c, n) + 64;
            c.readFaults[n] = draw.Percent(25) ? draw.Below(1024) : draw.Below(static_cast<uint32_t>(end));
        }
        if (draw.Percent(15)) c.openFaults.insert(static_cast<int>(draw.Between(1, static_cast<uint32_t>(count))));
        if (draw.Percent(45)) {
            size_t total = 0;
            for (size_t size : c.payloads) total += size;
            c.writeLimit = draw.Below(static_cast<uint32_t>(total + 256));
            c.shortWrites = draw.Percent(50);
        }
        if (draw.Percent(10)) c.setup = static_cast<SetupFault>(draw.Between(1, 3));
    }
    c.earlierInstaller = draw.Percent(20);

    for (uint32_t i = draw.Percent(75) ? draw.Between(12, 30) : draw.Below(12); i > 0; --i) {
        Answer a;
        uint32_t mode = draw.Below(100);
        a.mode = mode < 70 ? Answer::kWanted : mode < 85 ? Answer::kDisk : Answer::kLeave;
        a.disk = static_cast<int>(draw.Below(static_cast<uint32_t>(c.disks.size() + 1)));
        uint32_t code = draw.Below(100);
        a.code = code < 90 ? 1 : code < 95 ? 2 : code < 97 ? 0 : code < 98 ? 3 : 7;
        c.answers.push_back(a);
    }
    return c;
}

std::string RunAssemblyCase(const AssemblyCase& c, Tally* tally) {
    sim::Reset();
    std::vector<int> diskIds;
    if (SideBySide(c)) {
        for (const auto& [n, slot] : c.disks[0]) PutSlot(PiecePath(c, n), c, slot, n);
    } else {
        for (const Disk& disk : c.disks) {
            int id = sim::NewDisk();
            diskIds.push_back(id);
            sim::InsertDisk('A', id);
            for (const auto& [n, slot] : disk) PutSlot(PiecePath(c, n), c, slot, n);
        }
        sim::InsertDisk('A', c.startDisk > 0 ? diskIds[static_cast<size_t>(c.startDisk - 1)] : 0);
    }
    for (const auto& [n, offset] : c.readFaults) sim::FailReadAt(PiecePath(c, n), offset);
    for (int n : c.openFaults) sim::FailOpen(PiecePath(c, n));
    if (c.earlierInstaller) sim::PutFile(kTemp, "MZ from an earlier run");
    if (c.writeLimit) {
        if (c.shortWrites) sim::ShortWritesBeyond(kTemp, *c.writeLimit);
        else sim::FailWritesBeyond(kTemp, *c.writeLimit);
    }
    if (c.setup == SetupFault::kNoMemory) sim::FailLocalAlloc();
    if (c.setup == SetupFault::kNoTempFile) sim::FailOpen(kTemp);
    if (c.setup == SetupFault::kNoTempPath) sim::FailGetTempPath();

    // The user: reads the disk number off the prompt and acts as the case
    // says; error boxes are simply acknowledged.
    int current = c.startDisk;
    size_t nextAnswer = 0;
    sim::AnswerBoxes([&](const sim::Box& box) {
        if (box.style == 0x10) return 1;
        int n = -1;
        size_t prefix = std::strlen(kAsk);
        if (box.text.compare(0, prefix, kAsk) == 0) n = std::atoi(box.text.c_str() + prefix);
        Answer a = nextAnswer < c.answers.size() ? c.answers[nextAnswer++] : Answer{Answer::kLeave, 0, 2};
        if (!SideBySide(c)) {
            int next = DiskAfter(c, a, n, current);
            if (next != current) sim::InsertDisk('A', next > 0 ? diskIds[static_cast<size_t>(next - 1)] : 0);
            current = next;
        }
        return a.code;
    });

    char path[260] = {};
    std::string first = PiecePath(c, 1);
    std::memcpy(path, first.c_str(), first.size() + 1);
    AssembleInstaller(path);

    Expected want = Predict(c);
    std::ostringstream problems;
    if (tally) {
        std::string end = want.started ? "started"
                          : !want.tempCreated ? "no temp file"
                          : !want.boxes.empty() && want.boxes.back().style == 0x10 ? want.boxes.back().text
                                                                                 : "cancelled";
        if (end.compare(0, 20, "Could not read disk ") == 0 && end != "Could not read disk 1")
            end = "Could not read a later disk";
        ++(*tally)[end];
        for (const ShownBox& b : want.boxes)
            if (b.caption) ++(*tally)["box " + *b.caption];
    }

    std::vector<ShownBox> boxes;
    for (const sim::Box& b : sim::Boxes()) {
        boxes.push_back({b.text, b.caption, b.style});
        if (b.owner != nullptr) problems << "a box has an owner window; ";
    }
    if (boxes != want.boxes) problems << "boxes " << Show(boxes) << ", expected " << Show(want.boxes) << "; ";

    std::vector<std::string> reads;
    int writeOpens = 0;
    uint64_t firstRead = 0;
    for (const sim::Call& call : sim::CallsTo("CreateFileA")) {
        if (call.Num(1) == 0x80000000u) {
            reads.push_back(call.Str(0));
            if (!firstRead) firstRead = call.seq;
            if (call.Num(2) != 1u || call.Num(4) != 3u || call.Num(5) != 0x08000080u)
                problems << "piece opened with other flags; ";
        } else if (call.Num(1) == 0x40000000u) {
            ++writeOpens;
            if (!sim::SameText(call.Str(0), kTemp) || call.Num(2) != 2u || call.Num(4) != 2u ||
                call.Num(5) != 0x08000080u)
                problems << "temporary installer opened with other flags; ";
        } else {
            problems << "an open with access " << call.Num(1) << "; ";
        }
    }
    if (reads != want.reads) problems << "pieces opened " << Show(reads) << ", expected " << Show(want.reads) << "; ";
    int wantWriteOpens = c.setup == SetupFault::kNoMemory || c.setup == SetupFault::kNoTempPath ? 0 : 1;
    if (writeOpens != wantWriteOpens) problems << writeOpens << " opens of the temporary installer; ";

    std::vector<sim::Call> moves = sim::CallsTo("MoveFileExA");
    if (want.tempCreated) {
        if (moves.size() != 1 || !sim::SameText(moves[0].Str(0), kTemp) || !moves[0].IsNull(1) || moves[0].Num(2) != 4u)
            problems << "deletion not requested once for the temporary installer; ";
        else if (firstRead && moves[0].seq > firstRead)
            problems << "deletion requested after the first piece was opened; ";
    } else if (!moves.empty()) {
        problems << "a restart request without a temporary installer; ";
    }

    const std::vector<sim::Launch>& launches = sim::Launches();
    if (launches.size() != (want.started ? 1u : 0u)) {
        problems << launches.size() << " programs started, expected " << (want.started ? 1 : 0) << "; ";
    } else if (want.started) {
        const sim::Launch& launch = launches[0];
        if (!sim::SameText(launch.resolvedPath, kTemp)) problems << "started " << launch.resolvedPath << "; ";
        if (!launch.image || *launch.image != want.image)
            problems << "started installer of " << (launch.image ? launch.image->size() : 0) << " bytes differs from the "
                     << want.image.size() << " joined payload bytes; ";
        if (launch.currentDirectory != "C:\\WINDOWS" || launch.show != 5u)
            problems << "started from " << launch.currentDirectory << " with show " << launch.show << "; ";
    }

    std::string leaks = sim::Leaks();
    if (!leaks.empty()) problems << "leaks: " << leaks;
    if (sim::AllocSizes().size() > 1) problems << sim::AllocSizes().size() << " transfer buffers; ";
    for (SIZE_T size : sim::AllocSizes())
        if (size != 1024) problems << "a buffer of " << size << " bytes; ";
    return problems.str();
}

std::string Show(const Tally& tally) {
    std::string out;
    for (const auto& [what, count] : tally) out += (out.empty() ? "" : ", ") + what + " " + std::to_string(count);
    return out;
}

std::string Describe(const AssemblyCase& c) {
    static const char* const kLayouts[] = {"side by side", "one disk", "one per disk", "groups"};
    std::ostringstream out;
    out << kLayouts[static_cast<int>(c.layout)] << ", " << c.payloads.size() << " pieces (";
    for (size_t i = 0; i < c.payloads.size(); ++i) out << c.payloads[i] << (c.marks[i] ? "L" : "") << " ";
    out << "); disks:";
    for (size_t d = 0; d < c.disks.size(); ++d) {
        out << " #" << d + 1 << "{";
        for (const auto& [n, slot] : c.disks[d]) {
            out << n;
            if (slot.kind == SlotFile::kForeign) out << "f" << slot.variant << (slot.foreignLast ? "L" : "");
            if (slot.kind == SlotFile::kShort) out << "s" << slot.shortLength;
            if (slot.kind == SlotFile::kDirectory) out << "d";
            out << " ";
        }
        out << "}";
    }
    out << "; start disk " << c.startDisk << "; read faults:";
    for (const auto& [n, offset] : c.readFaults) out << " " << n << "@" << offset;
    out << "; open faults:";
    for (int n : c.openFaults) out << " " << n;
    if (c.writeLimit) out << "; writes " << (c.shortWrites ? "short" : "fail") << " past " << *c.writeLimit;
    out << "; setup fault " << static_cast<int>(c.setup) << (c.earlierInstaller ? ", earlier installer" : "")
        << "; answers:";
    for (const Answer& a : c.answers)
        out << " " << (a.mode == Answer::kWanted ? "w" : a.mode == Answer::kDisk ? "d" + std::to_string(a.disk) : "l")
            << "/" << a.code;
    return out.str();
}

}  // namespace fault
