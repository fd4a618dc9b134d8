// The test piece sets and the assembly fixture of pieces.h.
#include "pieces.h"

#include "assembly/assembly.h"

#include <cstring>

namespace unit {

PieceSet::PieceSet(std::string name, unsigned char flavour) : name_(std::move(name)), flavour_(flavour) {}

sim::Bytes PieceSet::Header(unsigned char lastPiece) const {
    sim::Bytes header(1024, 0);
    std::memcpy(header.data(), name_.data(), name_.size());
    for (size_t i = name_.size() + 1; i < 1023; ++i) header[i] = static_cast<unsigned char>(i * 13 + flavour_);
    header[1023] = lastPiece;
    return header;
}

sim::Bytes PieceSet::Payload(int number, size_t size) const {
    sim::Bytes payload(size);
    uint32_t state = 2654435761u * static_cast<uint32_t>(number) + flavour_;
    for (unsigned char& b : payload) {
        state = state * 1103515245u + 12345u;
        b = static_cast<unsigned char>(state >> 16);
    }
    return payload;
}

sim::Bytes PieceSet::Piece(int number, size_t payloadSize, bool last) const {
    return Concat({Header(last ? 1 : 0), Payload(number, payloadSize)});
}

size_t PayloadSize(int number) { return 1500 + 997 * static_cast<size_t>(number); }

sim::Bytes Concat(const std::vector<sim::Bytes>& parts) {
    sim::Bytes out;
    for (const sim::Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

sim::Bytes WithByte(sim::Bytes bytes, size_t offset, unsigned char value) {
    bytes.at(offset) = value;
    return bytes;
}

void AssemblyTest::SetUp() { sim::Reset(); }

void AssemblyTest::TearDown() {
    EXPECT_EQ("", sim::Leaks()) << "something the launcher acquired was not released";
    EXPECT_LE(sim::AllocSizes().size(), 1u) << "one transfer buffer per call";
    for (SIZE_T size : sim::AllocSizes()) EXPECT_EQ(1024u, size);
}

void AssemblyTest::Assemble(const std::string& file1) {
    char path[260] = {};
    ASSERT_LT(file1.size(), sizeof path);
    std::memcpy(path, file1.c_str(), file1.size() + 1);
    AssembleInstaller(path);
}

sim::Bytes AssemblyTest::PutSideBySide(const std::string& directory, int count, const PieceSet& set) {
    for (int n = 1; n <= count; ++n)
        sim::PutFile(directory + "\\FILE." + std::to_string(n), set.Piece(n, PayloadSize(n), n == count));
    return Installer(count, set);
}

int AssemblyTest::DiskWith(std::vector<int> numbers, int count, const PieceSet& set) {
    int disk = sim::NewDisk();
    for (int n : numbers)
        sim::PutFileOnDisk(disk, "\\FILE." + std::to_string(n), set.Piece(n, PayloadSize(n), n == count));
    return disk;
}

sim::Bytes AssemblyTest::Installer(int count, const PieceSet& set) {
    std::vector<sim::Bytes> parts;
    for (int n = 1; n <= count; ++n) parts.push_back(set.Payload(n, PayloadSize(n)));
    return Concat(parts);
}

void AssemblyTest::SwapDisksOnEachBox(std::vector<int> order) {
    auto next = std::make_shared<size_t>(0);
    sim::AnswerBoxes([order, next](const sim::Box& box) {
        if (*next >= order.size()) {
            ADD_FAILURE() << "box after the last disk: \"" << box.text << "\"";
            return IDCANCEL;
        }
        sim::InsertDisk('A', order[(*next)++]);
        return IDOK;
    });
}

std::vector<std::string> AssemblyTest::CaptionsShown() const {
    std::vector<std::string> out;
    for (const sim::Box& b : sim::Boxes()) out.push_back(b.caption ? *b.caption : "(null)");
    return out;
}

uint64_t AssemblyTest::SeqOf(const std::string& fn) const {
    for (const sim::Call& c : sim::Calls())
        if (c.fn == fn) return c.seq;
    return 0;
}

}  // namespace unit
