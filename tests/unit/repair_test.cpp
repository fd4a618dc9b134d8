// REPAIR.EXE's work in the simulated Windows, on sets that pieceset cuts
// with two recovery pieces: eight pieces of two blocks each on 40000-byte
// disks, SETUP.EXE on disk 1, REPAIR.1 and REPAIR.2 on disks 9 and 10.
#include "repair/repair.h"

#include "winsim.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr const char* kHealed = "C:\\WINDOWS\\TEMP\\kqrepair";
using Files = std::map<std::string, sim::Bytes>;

sim::Bytes Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return sim::Bytes(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& path, const sim::Bytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

void RunTool(const std::string& command) {
    ASSERT_EQ(0, std::system((command + " >/dev/null").c_str())) << command;
}

// Every file of every disk folder (or of the flat folder) of a cut.
Files FilesOf(const fs::path& dir) {
    Files files;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file()) files[entry.path().filename().string()] = Read(entry.path());
    return files;
}

class RepairSetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // One folder a process: ctest runs the cases side by side.
        work_ = fs::path(::testing::TempDir()) / ("repair_test." + std::to_string(getpid()));
        fs::remove_all(work_);
        fs::create_directories(work_);
        std::mt19937 seeded(26);
        sim::Bytes installer(100000), launcher(3000);
        for (unsigned char& b : installer) b = static_cast<unsigned char>(seeded());
        for (unsigned char& b : launcher) b = static_cast<unsigned char>(seeded());
        Write(work_ / "installer.bin", installer);
        Write(work_ / "launcher.exe", launcher);
        std::string cut = std::string(PIECESET_TOOL) + " cut " + (work_ / "installer.bin").string() +
                          " --name 'Repair Test' --media 40000 --recovery 2 --no-repair-exe --launcher " +
                          (work_ / "launcher.exe").string();
        // A failure here fails every case (gtest would report them as skipped).
        for (const std::string& out : {" --flat -o " + (work_ / "flat").string(),
                                       " -o " + (work_ / "disks").string()}) {
            if (std::system((cut + out + " >/dev/null").c_str()) != 0) setup_failure_ = cut + out;
        }
        if (!setup_failure_.empty()) return;
        flat_ = FilesOf(work_ / "flat");
        disks_ = FilesOf(work_ / "disks");
    }

    static void TearDownTestSuite() { fs::remove_all(work_); }

    void SetUp() override {
        ASSERT_EQ("", setup_failure_) << "the set could not be cut";
        sim::Reset();
    }

    void TearDown() override {
        EXPECT_EQ("", sim::Leaks());
        EXPECT_EQ(0u, sim::ErrorMode()) << "the error mode is restored";
    }

    // The flat set in C:\SET beside REPAIR.EXE, with the changes applied.
    void PutFlat(const Files& changed = {}, std::vector<std::string> removed = {}) {
        Files files = flat_;
        for (const auto& [name, bytes] : changed) files[name] = bytes;
        for (const std::string& name : removed) files.erase(name);
        for (const auto& [name, bytes] : files) sim::PutFile("C:\\SET\\" + name, bytes);
        sim::PutFile("C:\\SET\\REPAIR.EXE", "MZ");
        sim::SetModuleFileName("C:\\SET\\REPAIR.EXE");
    }

    // A disk of the disk set holding the files named (REPAIR.EXE too on a
    // recovery disk).
    int Disk(std::vector<std::string> names) {
        int disk = sim::NewDisk();
        for (const std::string& name : names) {
            sim::PutFileOnDisk(disk, name, disks_.at(name));
            if (name.rfind("REPAIR.", 0) == 0) sim::PutFileOnDisk(disk, "REPAIR.EXE", sim::ToBytes("MZ"));
        }
        return disk;
    }

    static sim::Bytes Flipped(const std::string& name, size_t offset) {
        sim::Bytes bytes = flat_.at(name);
        bytes.at(offset) ^= 0x01;
        return bytes;
    }

    // The healed set started: SETUP.EXE from the folder, whose pieces are
    // the set as cut, and the folder deleted at the next start.
    void ExpectStarted(const Files& original) {
        ASSERT_EQ(1u, sim::Launches().size());
        EXPECT_EQ(std::string(kHealed) + "\\SETUP.EXE", sim::Launches()[0].resolvedPath);
        EXPECT_EQ(0u, sim::Launches()[0].errorMode);
        for (int n = 1; n <= 8; ++n) {
            std::string name = "FILE." + std::to_string(n);
            EXPECT_EQ(original.at(name), sim::FileBytes(std::string(kHealed) + "\\" + name)) << name;
        }
        EXPECT_EQ(original.at("SETUP.EXE"), sim::FileBytes(std::string(kHealed) + "\\SETUP.EXE"));
        EXPECT_FALSE(sim::FileExists(std::string(kHealed) + "\\REPAIR.1"));
        ASSERT_EQ(10u, sim::DelayedMoves().size());
        EXPECT_EQ(kHealed, sim::DelayedMoves().back().source);
        EXPECT_FALSE(sim::DelayedMoves().back().target);
    }

    void ExpectNothingLeft() {
        EXPECT_TRUE(sim::Launches().empty());
        EXPECT_FALSE(sim::DirectoryExists(kHealed));
        EXPECT_TRUE(sim::DelayedMoves().empty());
    }

    static fs::path work_;
    static std::string setup_failure_;
    static Files flat_;
    static Files disks_;
};

fs::path RepairSetTest::work_;
std::string RepairSetTest::setup_failure_;
Files RepairSetTest::flat_;
Files RepairSetTest::disks_;

TEST_F(RepairSetTest, FlatSetWithALostPieceAndAFlippedByteHealsWithoutABox) {
    PutFlat({{"FILE.4", Flipped("FILE.4", 5000)}}, {"FILE.2"});
    RepairSet();
    EXPECT_TRUE(sim::Boxes().empty());
    ExpectStarted(flat_);
    ASSERT_FALSE(sim::CallsTo("SetErrorMode").empty());
    EXPECT_EQ(0x8001u, sim::CallsTo("SetErrorMode")[1].Num(0));
}

TEST_F(RepairSetTest, HealedPiecesAreWhatPiecesetRepairRebuilds) {
    Files damaged = flat_;
    damaged.erase("FILE.5");
    damaged["FILE.7"] = Flipped("FILE.7", 9000);
    fs::path in = work_ / "damaged", out = work_ / "repaired";
    fs::remove_all(in);
    fs::remove_all(out);
    fs::create_directories(in);
    for (const auto& [name, bytes] : damaged) Write(in / name, bytes);
    RunTool(std::string(PIECESET_TOOL) + " repair " + in.string() + " -o " + out.string());
    Files repaired = damaged;
    for (const auto& [name, bytes] : FilesOf(out)) repaired[name] = bytes;

    PutFlat({{"FILE.7", damaged["FILE.7"]}}, {"FILE.5"});
    RepairSet();
    ExpectStarted(repaired);
}

TEST_F(RepairSetTest, BadSectorsAndAShortPieceReadAsZerosAndTheirBlocksAreRebuilt) {
    sim::Bytes shortPiece = flat_.at("FILE.5");
    shortPiece.resize(1024 + 9000);
    PutFlat({{"FILE.5", shortPiece}});
    sim::FailReadAt("C:\\SET\\FILE.3", 1024 + 700);
    sim::FailReadAt("C:\\SET\\SETUP.EXE", 2600);
    RepairSet();
    EXPECT_TRUE(sim::Boxes().empty());
    ExpectStarted(flat_);
    int sectorReads = 0;
    for (const sim::Call& read : sim::CallsOn("ReadFile", "C:\\SET\\FILE.3")) sectorReads += read.Num(2) == 512;
    EXPECT_EQ(16, sectorReads) << "the failed 8192-byte block again in 512-byte sectors";
}

TEST_F(RepairSetTest, StripeWithMDamagedBlocksHealsAndWithMPlusOneIsBeyondRepair) {
    PutFlat({{"FILE.2", Flipped("FILE.2", 100)}, {"FILE.6", Flipped("FILE.6", 200)}});
    RepairSet();
    ExpectStarted(flat_);

    sim::Reset();
    PutFlat({{"FILE.2", Flipped("FILE.2", 100)}, {"FILE.6", Flipped("FILE.6", 200)},
             {"FILE.8", Flipped("FILE.8", 300)}, {"FILE.3", Flipped("FILE.3", 9000)}});
    sim::AnswerBoxesInOrder({IDOK});
    RepairSet();
    ASSERT_EQ(1u, sim::Boxes().size());
    EXPECT_EQ("Disks 2, 6, 8 cannot be rebuilt: more recovery disks are needed.", sim::Boxes()[0].text);
    EXPECT_FALSE(sim::Boxes()[0].caption);
    EXPECT_EQ(0x10u, sim::Boxes()[0].style);
    ExpectNothingLeft();
}

TEST_F(RepairSetTest, DisksAreAskedForInTurnAndABlankOneCountsAsLost) {
    int recovery1 = Disk({"REPAIR.1"});
    std::vector<int> inserted = {Disk({"FILE.1", "SETUP.EXE"}), Disk({"FILE.2"}), sim::NewDisk(),
                                 Disk({"FILE.4"}), Disk({"FILE.5"}), Disk({"FILE.6"}),
                                 Disk({"FILE.7"}), Disk({"FILE.8"})};
    sim::InsertDisk('A', recovery1);
    sim::SetModuleFileName("A:\\REPAIR.EXE");
    size_t next = 0;
    sim::AnswerBoxes([&](const sim::Box& box) {
        EXPECT_EQ(0, sim::OpenFileHandles()) << "nothing is held open across a disk change";
        EXPECT_EQ("Please insert disk " + std::to_string(next + 1), box.text);
        EXPECT_EQ("Next Disk", box.caption.value_or(""));
        EXPECT_EQ(1u, box.style);
        sim::InsertDisk('A', inserted.at(next++));
        return IDOK;
    });
    RepairSet();
    EXPECT_EQ(8u, sim::Boxes().size()) << "disk 10 is not needed: REPAIR.1 rebuilds disk 3";
    ExpectStarted(disks_);
}

TEST_F(RepairSetTest, ForeignDiskIsRefusedAndCancelLeavesNothing) {
    int recovery1 = Disk({"REPAIR.1"});
    int foreign = sim::NewDisk();
    sim::Bytes other = disks_.at("FILE.1");
    for (size_t i = 272; i < 304; ++i) other[i] = static_cast<unsigned char>(i);
    sim::PutFileOnDisk(foreign, "FILE.1", other);
    sim::InsertDisk('A', recovery1);
    sim::SetModuleFileName("A:\\REPAIR.EXE");
    sim::AnswerBoxes([&](const sim::Box& box) {
        if (sim::Boxes().size() == 1) sim::InsertDisk('A', foreign);
        return box.caption == "Next Disk" ? IDOK : IDCANCEL;
    });
    RepairSet();
    ASSERT_EQ(2u, sim::Boxes().size());
    EXPECT_EQ("This is not the right disk", sim::Boxes()[1].caption.value_or(""));
    EXPECT_EQ("Please insert disk 1", sim::Boxes()[1].text);
    ExpectNothingLeft();
}

TEST_F(RepairSetTest, TooLittleRoomInTheTempDirectoryIsSaidBeforeCopying) {
    PutFlat();
    sim::SetFreeSpace('C', 200000);
    sim::AnswerBoxesInOrder({IDOK});
    RepairSet();
    ASSERT_EQ(1u, sim::Boxes().size());
    EXPECT_EQ("Could not assemble installer.  Out of disk space?", sim::Boxes()[0].text);
    EXPECT_TRUE(sim::CallsTo("WriteFile").empty());
    ExpectNothingLeft();
}

TEST_F(RepairSetTest, DamagedRecoveryHeadersAreNamedAndNothingIsCopied) {
    PutFlat({{"REPAIR.1", Flipped("REPAIR.1", 40)}, {"REPAIR.2", Flipped("REPAIR.2", 40)}});
    sim::AnswerBoxesInOrder({IDOK});
    RepairSet();
    ASSERT_EQ(1u, sim::Boxes().size());
    EXPECT_EQ("The recovery piece's header is damaged.", sim::Boxes()[0].text);
    ExpectNothingLeft();
}

}  // namespace
