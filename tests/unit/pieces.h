// Piece sets as a cutting tool would write them, and the fixture that runs
// AssembleInstaller in a fresh simulated world.
#pragma once

#include "winsim.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace unit {

constexpr const char* kTempInstaller = "C:\\WINDOWS\\TEMP\\kqtmpins.exe";

// One installer cut into pieces. Every piece of a set carries the same
// 1023 identity bytes: the name, a NUL and bytes that depend on `flavour`.
class PieceSet {
public:
    explicit PieceSet(std::string name = "King's Quest Collection", unsigned char flavour = 0x5A);

    sim::Bytes Header(unsigned char lastPiece) const;
    // The slice of the installer that piece `number` carries.
    sim::Bytes Payload(int number, size_t size) const;
    // Header and payload; the piece is marked last when `last`.
    sim::Bytes Piece(int number, size_t payloadSize, bool last) const;

private:
    std::string name_;
    unsigned char flavour_;
};

// Payload size of piece n in the usual test sets: not a multiple of the
// transfer size, and different from piece to piece.
size_t PayloadSize(int number);

sim::Bytes Concat(const std::vector<sim::Bytes>& parts);

class AssemblyTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Calls AssembleInstaller with the path of FILE.1 in a 260-byte buffer.
    void Assemble(const std::string& file1 = "A:\\FILE.1");

    // Pieces 1..count side by side in `directory`; returns the installer.
    sim::Bytes PutSideBySide(const std::string& directory, int count, const PieceSet& set = PieceSet());
    // A new disk holding the given pieces (numbers) of `set` out of `count`.
    int DiskWith(std::vector<int> numbers, int count, const PieceSet& set = PieceSet());
    // The installer that pieces 1..count of `set` make.
    sim::Bytes Installer(int count, const PieceSet& set = PieceSet());

    // The script for the usual multi-disk run: every box swaps in the next
    // disk of `order` and answers OK.
    void SwapDisksOnEachBox(std::vector<int> order);

    // Error boxes have only an OK button; the user presses it.
    void AcknowledgeEveryBox() {
        sim::AnswerBoxes([](const sim::Box&) { return IDOK; });
    }

    bool Started() const { return !sim::Launches().empty(); }
    std::vector<std::string> CaptionsShown() const;
    uint64_t SeqOf(const std::string& fn) const;  // first call, 0 if none
};

// Bytes of the header of FILE.1 with one byte changed.
sim::Bytes WithByte(sim::Bytes bytes, size_t offset, unsigned char value);

}  // namespace unit
