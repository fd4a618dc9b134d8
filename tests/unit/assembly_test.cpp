// Joining piece sets: what the user is asked, what lands in the installer
// file, and how the installer is started.
#include "opens.h"
#include "pieces.h"

#include <gtest/gtest.h>

namespace unit {
namespace {

using sim::Box;

// ------------------------------------------------------------ the set ----

class PieceSetAssembly : public AssemblyTest {};

TEST_F(PieceSetAssembly, OnePieceSetNeverLooksForFile2) {
    PieceSet set;
    sim::InsertDisk('A', sim::NewDisk());
    sim::PutFile("A:\\FILE.1", set.Piece(1, 5000, true));
    sim::PutFile("A:\\FILE.2", set.Piece(2, 700, true));

    Assemble();

    EXPECT_TRUE(sim::Boxes().empty());
    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(set.Payload(1, 5000), sim::Launches()[0].image);
    EXPECT_TRUE(sim::CallsOn("CreateFileA", "A:\\FILE.2").empty());
    EXPECT_TRUE(sim::CallsOn("FindFirstFileA", "A:\\FILE.2").empty());
}

TEST_F(PieceSetAssembly, TwelvePiecesSideBySideJoinWithoutAnyBox) {
    sim::Bytes installer = PutSideBySide("C:\\SETUP", 12);

    Assemble("C:\\SETUP\\FILE.1");

    EXPECT_TRUE(sim::Boxes().empty());
    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(installer, sim::Launches()[0].image);
    EXPECT_EQ(installer, sim::FileBytes(kTempInstaller));
    for (const char* name : {"C:\\SETUP\\FILE.10", "C:\\SETUP\\FILE.11", "C:\\SETUP\\FILE.12"})
        EXPECT_EQ(1u, sim::CallsOn("CreateFileA", name).size()) << name;
    EXPECT_TRUE(sim::CallsOn("CreateFileA", "C:\\SETUP\\FILE.13").empty());
}

TEST_F(PieceSetAssembly, HeaderOnlyPieceAddsNothingButCounts) {
    PieceSet set;
    sim::InsertDisk('A', sim::NewDisk());
    sim::PutFile("A:\\FILE.1", set.Piece(1, 3000, false));
    sim::PutFile("A:\\FILE.2", set.Header(0));  // exactly 1024 bytes
    sim::PutFile("A:\\FILE.3", set.Piece(3, 2048, true));

    Assemble();

    EXPECT_TRUE(sim::Boxes().empty());
    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(Concat({set.Payload(1, 3000), set.Payload(3, 2048)}), sim::Launches()[0].image);
}

TEST_F(PieceSetAssembly, HeaderOnlyPieceMarkedLastEndsTheSet) {
    PieceSet set;
    sim::InsertDisk('A', sim::NewDisk());
    sim::PutFile("A:\\FILE.1", set.Piece(1, 3000, false));
    sim::PutFile("A:\\FILE.2", set.Header(1));
    sim::PutFile("A:\\FILE.3", set.Piece(3, 2048, true));

    Assemble();

    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(set.Payload(1, 3000), sim::Launches()[0].image);
    EXPECT_TRUE(sim::CallsOn("CreateFileA", "A:\\FILE.3").empty());
}

TEST_F(PieceSetAssembly, PiecesDifferingOnlyInTheLastPieceByteBelong) {
    PieceSet set;
    sim::InsertDisk('A', sim::NewDisk());
    sim::PutFile("A:\\FILE.1", set.Piece(1, 1000, false));
    sim::PutFile("A:\\FILE.2", WithByte(set.Piece(2, 1000, false), 1023, 0x00));
    sim::PutFile("A:\\FILE.3", WithByte(set.Piece(3, 1000, true), 1023, 0xFF));

    Assemble();

    EXPECT_TRUE(sim::Boxes().empty());
    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(Concat({set.Payload(1, 1000), set.Payload(2, 1000), set.Payload(3, 1000)}),
              sim::Launches()[0].image);
}

class ForeignByte : public AssemblyTest, public ::testing::WithParamInterface<size_t> {};

TEST_P(ForeignByte, PieceDifferingInAnIdentityByteIsRefused) {
    PieceSet set;
    sim::InsertDisk('A', sim::NewDisk());
    sim::PutFile("A:\\FILE.1", set.Piece(1, 1000, false));
    sim::Bytes foreign = set.Piece(2, 1000, true);
    foreign[GetParam()] ^= 0x01;
    sim::PutFile("A:\\FILE.2", foreign);
    sim::AnswerBoxesInOrder({IDCANCEL});

    Assemble();

    ASSERT_EQ(1u, sim::Boxes().size());
    EXPECT_EQ("Please insert disk 2", sim::Boxes()[0].text);
    EXPECT_EQ("This is not the right disk", sim::Boxes()[0].caption);
    EXPECT_FALSE(Started());
}

INSTANTIATE_TEST_SUITE_P(FirstAndLastIdentityByte, ForeignByte, ::testing::Values(0, 1022));

// -------------------------------------------------------------- disks ----

class DiskPrompts : public AssemblyTest {};

TEST_F(DiskPrompts, ThreeDisksAskForTheNextDiskEachTime) {
    int one = DiskWith({1}, 3), two = DiskWith({2}, 3), three = DiskWith({3}, 3);
    sim::InsertDisk('A', one);
    SwapDisksOnEachBox({two, three});

    Assemble();

    ASSERT_EQ(2u, sim::Boxes().size());
    const Box& first = sim::Boxes()[0];
    EXPECT_EQ(nullptr, first.owner);
    EXPECT_EQ("Please insert disk 2", first.text);
    EXPECT_EQ("Next Disk", first.caption);
    EXPECT_EQ(1u, first.style);
    EXPECT_EQ("Please insert disk 3", sim::Boxes()[1].text);
    EXPECT_EQ("Next Disk", sim::Boxes()[1].caption);
    EXPECT_EQ(1u, sim::Boxes()[1].style);
    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(Installer(3), sim::Launches()[0].image);
}

TEST_F(DiskPrompts, ForeignDiskIsAskedForAgain) {
    int one = DiskWith({1}, 2), two = DiskWith({2}, 2);
    int foreign = DiskWith({2}, 2, PieceSet("Space Quest", 0x33));
    int blank = sim::NewDisk();
    sim::InsertDisk('A', one);
    SwapDisksOnEachBox({foreign, blank, 0, two});

    Assemble();

    ASSERT_EQ(4u, sim::Boxes().size());
    EXPECT_EQ((std::vector<std::string>{"Next Disk", "This is not the right disk", "This is not the right disk",
                                        "This is not the right disk"}),
              CaptionsShown());
    for (const Box& b : sim::Boxes()) {
        EXPECT_EQ("Please insert disk 2", b.text);
        EXPECT_EQ(1u, b.style);
        EXPECT_EQ(nullptr, b.owner);
    }
    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(Installer(2), sim::Launches()[0].image);
}

TEST_F(DiskPrompts, PieceBesideFile1ThenOtherDiskAsksOnlyForTheRightDisk) {
    int first = DiskWith({1, 2}, 3), second = DiskWith({3}, 3);
    sim::InsertDisk('A', first);
    SwapDisksOnEachBox({second});

    Assemble();

    ASSERT_EQ(1u, sim::Boxes().size());
    EXPECT_EQ("Please insert disk 3", sim::Boxes()[0].text);
    EXPECT_EQ("This is not the right disk", sim::Boxes()[0].caption);
    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(Installer(3), sim::Launches()[0].image);
}

TEST_F(DiskPrompts, TenthPieceIsAskedForAsDisk10) {
    int first = DiskWith({1, 2, 3, 4, 5, 6, 7, 8, 9}, 10), second = DiskWith({10}, 10);
    sim::InsertDisk('A', first);
    SwapDisksOnEachBox({second});

    Assemble();

    ASSERT_EQ(1u, sim::Boxes().size());
    EXPECT_EQ("Please insert disk 10", sim::Boxes()[0].text);
    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(Installer(10), sim::Launches()[0].image);
    EXPECT_FALSE(sim::CallsOn("CreateFileA", "A:\\FILE.10").empty());
}

TEST_F(DiskPrompts, LaterPieceShorterThanAHeaderDoesNotBelong) {
    PieceSet set;
    int one = DiskWith({1}, 2), two = DiskWith({2}, 2);
    int stub = sim::NewDisk();
    sim::Bytes header = set.Header(1);
    sim::PutFileOnDisk(stub, "\\FILE.2", sim::Bytes(header.begin(), header.begin() + 600));
    sim::InsertDisk('A', one);
    SwapDisksOnEachBox({stub, two});

    Assemble();

    EXPECT_EQ((std::vector<std::string>{"Next Disk", "This is not the right disk"}), CaptionsShown());
    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(Installer(2), sim::Launches()[0].image);
}

// ------------------------------------------------------------- cancel ----

class Cancel : public AssemblyTest {
protected:
    // The deletion request came before the first byte reached the file.
    void ExpectDeletionRequestedBeforeCopying() {
        std::vector<sim::Call> moves = sim::CallsTo("MoveFileExA");
        ASSERT_EQ(1u, moves.size());
        EXPECT_TRUE(sim::SameText(moves[0].Str(0), kTempInstaller)) << moves[0].Str(0);
        EXPECT_TRUE(moves[0].IsNull(1));
        EXPECT_EQ(4u, moves[0].Num(2));
        std::vector<sim::Call> writes = sim::CallsOn("WriteFile", kTempInstaller);
        ASSERT_FALSE(writes.empty());
        EXPECT_LT(moves[0].seq, writes[0].seq);
    }
};

TEST_F(Cancel, CancelInNextDiskBoxStartsNothingAndKeepsThePartialFile) {
    PieceSet set;
    sim::InsertDisk('A', DiskWith({1}, 2));
    sim::AnswerBoxesInOrder({IDCANCEL});

    Assemble();

    ASSERT_EQ(1u, sim::Boxes().size());
    EXPECT_EQ("Next Disk", sim::Boxes()[0].caption);
    EXPECT_FALSE(Started());
    EXPECT_EQ(set.Payload(1, PayloadSize(1)), sim::FileBytes(kTempInstaller));
    ExpectDeletionRequestedBeforeCopying();
}

TEST_F(Cancel, CancelInWrongDiskBoxStartsNothingAndKeepsThePartialFile) {
    PieceSet set;
    int first = DiskWith({1, 2}, 3);
    sim::InsertDisk('A', first);
    sim::AnswerBoxesInOrder({IDOK, IDCANCEL});

    Assemble();

    EXPECT_EQ((std::vector<std::string>{"This is not the right disk", "This is not the right disk"}), CaptionsShown());
    EXPECT_FALSE(Started());
    EXPECT_EQ(Concat({set.Payload(1, PayloadSize(1)), set.Payload(2, PayloadSize(2))}),
              sim::FileBytes(kTempInstaller));
    ExpectDeletionRequestedBeforeCopying();
}

TEST_F(Cancel, UnansweredNextDiskBoxCountsAsCancel) {
    sim::InsertDisk('A', DiskWith({1}, 2));
    sim::AnswerBoxesInOrder({0});

    Assemble();

    EXPECT_EQ(1u, sim::Boxes().size());
    EXPECT_FALSE(Started());
}

TEST_F(Cancel, UnansweredWrongDiskBoxCountsAsCancel) {
    sim::InsertDisk('A', DiskWith({1, 2}, 3));
    sim::AnswerBoxesInOrder({0});

    Assemble();

    EXPECT_EQ(1u, sim::Boxes().size());
    EXPECT_EQ("This is not the right disk", sim::Boxes()[0].caption);
    EXPECT_FALSE(Started());
}

// ------------------------------------------------------------- launch ----

class Launch : public AssemblyTest {};

TEST_F(Launch, StartsTheShortPathAloneFromTheWindowsDirectory) {
    sim::SetTempPath("C:\\Documents and Settings\\Installer User\\Local Settings\\Temp\\");
    sim::Bytes installer = PutSideBySide("C:\\SETUP", 2);
    sim::SetCurrentDirectory("C:\\SETUP");

    Assemble("C:\\SETUP\\FILE.1");

    ASSERT_EQ(1u, sim::Launches().size());
    const sim::Launch& launch = sim::Launches()[0];
    EXPECT_EQ("C:\\DOCUME~1\\INSTAL~1\\LOCALS~1\\Temp\\kqtmpins.exe", launch.commandLine);
    EXPECT_EQ(5u, launch.show);
    EXPECT_EQ(installer, launch.image);
    EXPECT_EQ("C:\\WINDOWS", launch.currentDirectory);
    EXPECT_EQ("C:\\WINDOWS", launch.Env("=C:"));
}

TEST_F(Launch, DriveEntryNamesTheWindowsDriveInUpperCase) {
    sim::AddFixedDrive('D');
    sim::SetWindowsDirectory("d:\\win95");
    PutSideBySide("C:\\SETUP", 1);

    Assemble("C:\\SETUP\\FILE.1");

    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_TRUE(sim::SameText("d:\\win95", sim::Launches()[0].currentDirectory));
    EXPECT_EQ(sim::Launches()[0].currentDirectory, sim::Launches()[0].Env("=D:"));
    std::vector<sim::Call> sets = sim::CallsTo("SetEnvironmentVariableA");
    ASSERT_EQ(1u, sets.size());
    EXPECT_EQ("=D:", sets[0].Str(0));
}

TEST_F(Launch, UncWindowsDirectoryGetsNoDriveEntry) {
    sim::AddNetworkShare("\\\\server\\share");
    sim::SetWindowsDirectory("\\\\server\\share\\WINDOWS");
    std::map<std::string, std::string> before = sim::Environment();
    PutSideBySide("C:\\SETUP", 1);

    Assemble("C:\\SETUP\\FILE.1");

    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ("\\\\server\\share\\WINDOWS", sim::Launches()[0].currentDirectory);
    EXPECT_EQ(before, sim::Launches()[0].environment);
    EXPECT_TRUE(sim::CallsTo("SetEnvironmentVariableA").empty());
}

// ------------------------------------------------------------- opening ----

class FileOpening : public AssemblyTest {};

TEST_F(FileOpening, ExistingTempInstallerIsEmptiedFirst) {
    sim::PutFile(kTempInstaller, sim::Bytes(200000, 0xEE));
    sim::Bytes installer = PutSideBySide("C:\\SETUP", 2);

    Assemble("C:\\SETUP\\FILE.1");

    EXPECT_EQ(installer, sim::FileBytes(kTempInstaller));
    std::vector<sim::Call> opens = sim::CallsOn("CreateFileA", kTempInstaller);
    ASSERT_EQ(1u, opens.size());
    ExpectOpenedWith(opens[0], 0x40000000u, 2u, 2u, 0x08000080u);
}

TEST_F(FileOpening, PiecesAreOpenedForSharedSequentialReading) {
    int first = DiskWith({1, 2}, 3), second = DiskWith({3}, 3);
    sim::InsertDisk('A', first);
    SwapDisksOnEachBox({second});

    Assemble();

    int pieceOpens = 0;
    for (const sim::Call& c : sim::CallsTo("CreateFileA")) {
        if (c.Str(0).rfind("A:\\FILE.", 0) != 0) continue;
        ++pieceOpens;
        ExpectOpenedWith(c, 0x80000000u, 1u, 3u, 0x08000080u);
    }
    EXPECT_GE(pieceOpens, 4);  // FILE.1, FILE.2, FILE.3 before and after the swap
    ASSERT_EQ(1u, sim::Launches().size());
}

TEST_F(FileOpening, DeletionIsRequestedOnceWithTheDelayFlag) {
    PutSideBySide("C:\\SETUP", 2);

    Assemble("C:\\SETUP\\FILE.1");

    ASSERT_EQ(1u, sim::DelayedMoves().size());
    EXPECT_TRUE(sim::SameText(kTempInstaller, sim::DelayedMoves()[0].source));
    EXPECT_FALSE(sim::DelayedMoves()[0].target.has_value());
    EXPECT_EQ(4u, sim::DelayedMoves()[0].flags);
    EXPECT_EQ(1u, sim::AllocSizes().size());
}

}  // namespace
}  // namespace unit
