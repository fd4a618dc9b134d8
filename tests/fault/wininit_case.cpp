// Drawing WinInit.Ini edits and checking the launcher's against the oracle.
#include "wininit_case.h"

#include "restart/restart.h"
#include "winsim.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace fault {
namespace {

using Bytes = std::vector<unsigned char>;

const char kHeader[] = "[Rename]\r\n";

void Add(Bytes& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }

std::string WindowsDirectory(int choice) {
    switch (choice) {
        case 1: return "D:\\OS\\WIN95";
        case 2: return sim::DirectoryOfLength(247);
        case 3: return sim::DirectoryOfLength(248);
        default: return "C:\\WINDOWS";
    }
}

std::string Printable(const Bytes& bytes, size_t limit = 160) {
    std::string out;
    for (size_t i = 0; i < bytes.size() && i < limit; ++i) {
        unsigned char b = bytes[i];
        if (b == '\r') out += "\\r";
        else if (b == '\n') out += "\\n";
        else if (b >= 0x20 && b < 0x7F) out += static_cast<char>(b);
        else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        }
    }
    if (bytes.size() > limit) out += "...(" + std::to_string(bytes.size()) + " bytes)";
    return out;
}

// First position where the two differ, for the failure message.
size_t FirstDifference(const Bytes& a, const Bytes& b) {
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return i;
}

}  // namespace

Bytes DrawIniContent(Draw& draw, bool large) {
    static const char* const kTokens[] = {
        "[Rename]\r\n", "[rename]\r\n", "[RENAME]\r\n", "[Rename]\n", "[Rename]\r", "[Rename]",
        "[Rename] \r\n", " [Rename]\r\n", "[[Rename]\r\n", "[Renam", "e]\r\n", "\r\n",
        "\n", "\r", "NUL=C:\\WINDOWS\\TEMP\\OLD.EXE\r\n", "C:\\NEW.DLL=C:\\TEMP\\X.DLL\r\n",
        "[boot]\r\nshell=Explorer.exe\r\n", "; comment [Rename]\r\n", "x=[Rename]\r\n",
    };
    constexpr uint32_t kTokenCount = sizeof kTokens / sizeof kTokens[0];
    Bytes out;
    if (large) {
        // Mostly plain text, with the section (if any) somewhere in it and
        // often far from the start.
        size_t size = draw.Between(1, 4) * 1024 * 1024 + draw.Below(4096);
        out.reserve(size + 64);
        while (out.size() < size) {
            if (draw.Percent(1)) Add(out, kTokens[draw.Below(kTokenCount)]);
            unsigned char c = static_cast<unsigned char>('a' + draw.Below(26));
            out.push_back(draw.Percent(3) ? '\n' : c);
        }
        if (draw.Percent(70)) {
            size_t at = draw.Below(static_cast<uint32_t>(out.size()));
            out.insert(out.begin() + static_cast<long>(at), kHeader, kHeader + 10);
        }
        if (draw.Percent(20)) out[draw.Below(static_cast<uint32_t>(out.size()))] = 0;
        return out;
    }
    uint32_t parts = draw.Below(24);
    for (uint32_t i = 0; i < parts; ++i) {
        uint32_t kind = draw.Below(10);
        if (kind < 6) {
            Add(out, kTokens[draw.Below(kTokenCount)]);
        } else if (kind < 8) {
            for (uint32_t n = draw.Below(40); n > 0; --n) out.push_back(static_cast<unsigned char>(draw.Between(0x20, 0x7E)));
        } else if (kind < 9) {
            for (uint32_t n = draw.Below(12); n > 0; --n) out.push_back(draw.Byte());
        } else {
            for (uint32_t n = draw.Between(1, 3); n > 0; --n) out.push_back(0);
        }
    }
    return out;
}

std::string DrawPath(Draw& draw) {
    uint32_t kind = draw.Below(10);
    std::string path;
    if (kind == 0) return path;  // empty
    path = draw.Percent(50) ? "C:\\WINDOWS\\TEMP\\" : "D:\\";
    size_t length;
    if (kind < 7) length = draw.Below(60);
    else if (kind < 9) length = draw.Between(480, 530);  // a line of two near 1023
    else length = draw.Between(990, 1030);
    while (path.size() < length) {
        uint32_t c = draw.Below(40);
        path += c < 26 ? static_cast<char>('A' + c) : c < 36 ? static_cast<char>('0' + c - 26) : "\\ %~"[c - 36];
    }
    if (draw.Percent(5)) path += "[Rename]\r\n";  // a header inside the request line itself
    if (draw.Percent(5)) path[path.size() / 2] = static_cast<char>(draw.Between(0x80, 0xFF));
    return path;
}

IniCase DrawIniCase(Draw& draw, bool allowFaults, bool large) {
    IniCase c;
    if (large || draw.Percent(90)) c.existing = DrawIniContent(draw, large);
    c.source = DrawPath(draw);
    if (draw.Percent(40)) c.target = DrawPath(draw);
    uint32_t directory = draw.Below(20);
    c.windowsDirectory = directory < 16 ? 0 : directory < 18 ? 1 : directory < 19 ? 2 : 3;
    if (allowFaults) {
        c.fault = static_cast<IniFault>(draw.Between(1, 7));
        if (c.fault == IniFault::kHeldOpen && !c.existing) c.fault = IniFault::kOpen;
    }
    return c;
}

IniOutcome OracleFor(const IniCase& c) {
    IniOutcome unchanged;
    unchanged.file = c.existing;
    unchanged.recorded = false;
    unchanged.opened = false;
    if (c.delayedMoveAccepted) {
        unchanged.recorded = true;
        return unchanged;
    }
    std::string line = (c.target ? *c.target : std::string("NUL")) + "=" + c.source + "\r\n";
    if (line.size() >= 1023 || c.windowsDirectory == 3 || c.fault == IniFault::kWindowsDirectory) return unchanged;
    unchanged.opened = true;
    switch (c.fault) {
        case IniFault::kOpen:
        case IniFault::kHeldOpen:
            return unchanged;
        case IniFault::kMapping:
        case IniFault::kView:
        case IniFault::kFileSize:
        case IniFault::kHugeFile:
            // The open created the file when it was missing.
            if (!unchanged.file) unchanged.file = Bytes();
            return unchanged;
        default:
            break;
    }
    Bytes old = c.existing ? *c.existing : Bytes();
    auto textEnd = std::find(old.begin(), old.end(), 0);
    auto header = std::search(old.begin(), textEnd, kHeader, kHeader + 10);
    IniOutcome done;
    done.recorded = true;
    Bytes result;
    if (header != textEnd) {
        result.assign(old.begin(), header + 10);
        result.insert(result.end(), line.begin(), line.end());
        result.insert(result.end(), header + 10, old.end());
    } else {
        result = old;
        result.insert(result.end(), kHeader, kHeader + 10);
        result.insert(result.end(), line.begin(), line.end());
    }
    done.file = result;
    return done;
}

std::string RunIniCase(const IniCase& c, std::map<std::string, int>* tally) {
    sim::Reset();
    if (!c.delayedMoveAccepted) sim::RefuseDelayedMoves();
    if (c.windowsDirectory == 1) sim::AddFixedDrive('D');
    std::string directory = WindowsDirectory(c.windowsDirectory);
    if (c.windowsDirectory != 0) sim::SetWindowsDirectory(directory);
    std::string ini = directory + "\\WinInit.Ini";
    if (c.existing) sim::PutFile(ini, *c.existing);
    switch (c.fault) {
        case IniFault::kOpen: sim::FailOpen(ini); break;
        case IniFault::kHeldOpen: sim::HoldOpen(ini, 0x80000000u, 1); break;
        case IniFault::kMapping: sim::FailMapping(); break;
        case IniFault::kView: sim::FailView(); break;
        case IniFault::kFileSize: sim::FailGetFileSize(ini); break;
        case IniFault::kHugeFile: sim::ReportFileSizeHigh(ini, 1); break;
        case IniFault::kWindowsDirectory: sim::FailGetWindowsDirectory(); break;
        case IniFault::kNone: break;
    }

    int result = ScheduleRenameOnReboot(c.source.c_str(), c.target ? c.target->c_str() : nullptr);

    IniOutcome want = OracleFor(c);
    std::ostringstream problems;
    if (tally) {
        size_t before = c.existing ? c.existing->size() : 0;
        size_t line = (c.target ? c.target->size() : 3) + 1 + c.source.size() + 2;
        bool appended = want.file && want.file->size() == before + 10 + line;
        ++(*tally)[!want.recorded ? "not recorded" : c.delayedMoveAccepted ? "delayed move" : appended ? "appended" : "inserted"];
    }
    if ((result != 0) != want.recorded)
        problems << "returned " << result << ", expected " << (want.recorded ? "nonzero" : "0") << "; ";
    std::optional<Bytes> got = sim::FileBytes(ini);
    if (got.has_value() != want.file.has_value()) {
        problems << "WinInit.Ini " << (got ? "exists" : "is missing") << ", expected "
                 << (want.file ? "it to exist" : "none") << "; ";
    } else if (got && *got != *want.file) {
        size_t at = FirstDifference(*got, *want.file);
        Bytes gotTail(got->begin() + static_cast<long>(std::min(at, got->size())), got->end());
        Bytes wantTail(want.file->begin() + static_cast<long>(std::min(at, want.file->size())), want.file->end());
        problems << "content differs at byte " << at << " (size " << got->size() << ", expected "
                 << want.file->size() << "): got \"" << Printable(gotTail) << "\", expected \""
                 << Printable(wantTail) << "\"; ";
    }
    std::vector<sim::Call> moves = sim::CallsTo("MoveFileExA");
    if (moves.size() != 1 || moves[0].Num(2) != 4u) problems << "MoveFileExA not called once with flag 4; ";
    if (!want.opened && !sim::CallsTo("CreateFileA").empty()) problems << "WinInit.Ini was opened; ";
    if (sim::CallsTo("CreateFileA").size() > 1) problems << "WinInit.Ini opened more than once; ";
    std::string leaks = sim::Leaks();
    if (!leaks.empty()) problems << "leaks: " << leaks;
    return problems.str();
}

std::string Describe(const IniCase& c) {
    std::ostringstream out;
    out << "existing=" << (c.existing ? "\"" + Printable(*c.existing) + "\"" : std::string("(none)"))
        << " source=\"" << c.source.substr(0, 80) << "\"(" << c.source.size() << ")"
        << " target=" << (c.target ? "\"" + c.target->substr(0, 80) + "\"(" + std::to_string(c.target->size()) + ")"
                                   : std::string("(none)"))
        << " fault=" << static_cast<int>(c.fault) << " windir=" << c.windowsDirectory
        << " delayed=" << c.delayedMoveAccepted;
    return out.str();
}

}  // namespace fault
