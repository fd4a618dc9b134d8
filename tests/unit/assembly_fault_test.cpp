// Assembly when the system fails it: no memory, no temp file, unreadable or
// missing pieces, a full disk, paths that do not fit, no short path.
#include "pieces.h"

#include <gtest/gtest.h>

namespace unit {
namespace {

// A directory path of exactly `length` characters on C: made of 8.3 names
// (so its short form is itself), ending with a backslash when `slash`.
std::string LongDirectory(size_t length, bool slash) {
    std::string path = "C:";
    size_t target = slash ? length - 1 : length;
    char letter = 'A';
    while (path.size() < target) {
        size_t left = target - path.size() - 1;  // after this segment's backslash
        size_t segment = left > 8 ? 8 : left;
        if (left > 8 && left - 8 == 1) segment = 7;  // never leave a lone backslash
        path += "\\" + std::string(segment, letter++);
        if (letter > 'Z') letter = 'A';
    }
    return slash ? path + "\\" : path;
}

void ExpectStopBox(const sim::Box& box, const std::string& text) {
    EXPECT_EQ(nullptr, box.owner);
    EXPECT_EQ(text, box.text);
    EXPECT_FALSE(box.caption.has_value()) << "caption \"" << box.caption.value_or("") << "\"";
    EXPECT_EQ(0x10u, box.style);
}

bool AnyWriteOpen() {
    for (const sim::Call& c : sim::CallsTo("CreateFileA"))
        if (c.Num(1) & 0x40000000u) return true;
    return false;
}

// --------------------------------------------------- buffer and temp file ----

class SetupFailure : public AssemblyTest {
protected:
    void SetUp() override {
        AssemblyTest::SetUp();
        PutSideBySide("C:\\SETUP", 2);
    }
};

TEST_F(SetupFailure, FailedAllocationStartsNothingEvenWithAnEarlierInstallerInTemp) {
    sim::PutFile(kTempInstaller, "MZ from an earlier run");
    sim::FailLocalAlloc();

    Assemble("C:\\SETUP\\FILE.1");

    EXPECT_FALSE(Started());
    EXPECT_TRUE(sim::Boxes().empty());
    EXPECT_TRUE(sim::DelayedMoves().empty());
    EXPECT_EQ("MZ from an earlier run", sim::FileText(kTempInstaller));
}

TEST_F(SetupFailure, TempFileThatCannotBeCreatedStartsNothingEvenWithAnEarlierInstaller) {
    sim::PutFile(kTempInstaller, "MZ from an earlier run");
    sim::FailOpen(kTempInstaller);

    Assemble("C:\\SETUP\\FILE.1");

    EXPECT_FALSE(Started());
    EXPECT_TRUE(sim::Boxes().empty());
    EXPECT_TRUE(sim::DelayedMoves().empty());
    EXPECT_EQ("MZ from an earlier run", sim::FileText(kTempInstaller));
}

TEST_F(SetupFailure, FailingTempPathCreatesAndStartsNothing) {
    sim::FailGetTempPath();

    Assemble("C:\\SETUP\\FILE.1");

    EXPECT_FALSE(AnyWriteOpen());
    EXPECT_FALSE(Started());
    EXPECT_TRUE(sim::Boxes().empty());
}

TEST_F(SetupFailure, TempDirectoryTooLongForTheFileNameCreatesAndStartsNothing) {
    std::string temp = LongDirectory(248, true);  // 248 + "kqtmpins.exe" + NUL = 261
    ASSERT_EQ(248u, temp.size());
    sim::SetTempPath(temp);

    Assemble("C:\\SETUP\\FILE.1");

    EXPECT_FALSE(AnyWriteOpen());
    EXPECT_FALSE(sim::FileExists(temp + "kqtmpins.exe"));
    EXPECT_FALSE(Started());
    EXPECT_TRUE(sim::Boxes().empty());
}

TEST_F(SetupFailure, TempDirectoryThatJustFitsIsUsed) {
    std::string temp = LongDirectory(247, true);  // 247 + 12 + NUL = 260
    ASSERT_EQ(247u, temp.size());
    sim::SetTempPath(temp);

    Assemble("C:\\SETUP\\FILE.1");

    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(temp + "kqtmpins.exe", sim::Launches()[0].commandLine);
    EXPECT_EQ(Installer(2), sim::Launches()[0].image);
}

TEST_F(SetupFailure, TempPathLongerThanTheBufferCreatesAndStartsNothing) {
    sim::SetTempPath(LongDirectory(300, true));  // GetTempPathA reports the size it needs

    Assemble("C:\\SETUP\\FILE.1");

    EXPECT_FALSE(AnyWriteOpen());
    EXPECT_FALSE(Started());
    EXPECT_TRUE(sim::Boxes().empty());
}

// -------------------------------------------------------------- reading ----

class ReadFailure : public AssemblyTest {
protected:
    void SetUp() override {
        AssemblyTest::SetUp();
        AcknowledgeEveryBox();
    }
};

TEST_F(ReadFailure, PieceReadFailingPartWayIsReportedAndStartsNothing) {
    PutSideBySide("C:\\SETUP", 3);
    sim::FailReadAt("C:\\SETUP\\FILE.2", 1024 + 1500);

    Assemble("C:\\SETUP\\FILE.1");

    ASSERT_EQ(1u, sim::Boxes().size());
    ExpectStopBox(sim::Boxes()[0], "Could not read disk 2");
    EXPECT_FALSE(Started());
    EXPECT_TRUE(sim::CallsOn("CreateFileA", "C:\\SETUP\\FILE.3").empty());
}

TEST_F(ReadFailure, File1ReadFailingPartWayIsReportedAndStartsNothing) {
    PutSideBySide("C:\\SETUP", 1);
    sim::FailReadAt("C:\\SETUP\\FILE.1", 1024 + 2000);

    Assemble("C:\\SETUP\\FILE.1");

    ASSERT_EQ(1u, sim::Boxes().size());
    ExpectStopBox(sim::Boxes()[0], "Could not read disk 1");
    EXPECT_FALSE(Started());
}

TEST_F(ReadFailure, File1GoneWhenAssemblyBeginsIsReportedMissing) {
    sim::MakeDirectory("C:\\SETUP");

    Assemble("C:\\SETUP\\FILE.1");

    ASSERT_EQ(1u, sim::Boxes().size());
    ExpectStopBox(sim::Boxes()[0], "Missing FILE.1");
    EXPECT_FALSE(Started());
}

TEST_F(ReadFailure, File1ThatCannotBeOpenedIsReportedMissing) {
    sim::PutFile(kTempInstaller, "MZ from an earlier run");
    PutSideBySide("C:\\SETUP", 1);
    sim::FailOpen("C:\\SETUP\\FILE.1");

    Assemble("C:\\SETUP\\FILE.1");

    ASSERT_EQ(1u, sim::Boxes().size());
    ExpectStopBox(sim::Boxes()[0], "Missing FILE.1");
    EXPECT_FALSE(Started());
}

TEST_F(ReadFailure, File1ShorterThanAHeaderIsReportedUnreadable) {
    sim::Bytes header = PieceSet().Header(1);
    sim::PutFile("C:\\SETUP\\FILE.1", sim::Bytes(header.begin(), header.begin() + 500));

    Assemble("C:\\SETUP\\FILE.1");

    ASSERT_EQ(1u, sim::Boxes().size());
    ExpectStopBox(sim::Boxes()[0], "Could not read disk 1");
    EXPECT_FALSE(Started());
}

// -------------------------------------------------------------- writing ----

class WriteFailure : public AssemblyTest {
protected:
    void SetUp() override {
        AssemblyTest::SetUp();
        PutSideBySide("C:\\SETUP", 3);
        AcknowledgeEveryBox();
    }
};

TEST_F(WriteFailure, FullDiskShowsOutOfSpaceAndStartsNothing) {
    sim::FailWritesBeyond(kTempInstaller, 3000);

    Assemble("C:\\SETUP\\FILE.1");

    ASSERT_EQ(1u, sim::Boxes().size());
    ExpectStopBox(sim::Boxes()[0], "Could not assemble installer.  Out of disk space?");
    EXPECT_FALSE(Started());
}

TEST_F(WriteFailure, ShortWriteCountsAsAFailedWrite) {
    sim::ShortWritesBeyond(kTempInstaller, 3000);

    Assemble("C:\\SETUP\\FILE.1");

    ASSERT_EQ(1u, sim::Boxes().size());
    ExpectStopBox(sim::Boxes()[0], "Could not assemble installer.  Out of disk space?");
    EXPECT_FALSE(Started());
}

// ----------------------------------------------------------- path limits ----

class PathLimit : public AssemblyTest {
protected:
    void SetUp() override {
        AssemblyTest::SetUp();
        AcknowledgeEveryBox();
    }
};

TEST_F(PathLimit, PieceNumberThatOutgrowsThePathIsReportedUnreadable) {
    std::string dir = LongDirectory(252, false);
    ASSERT_EQ(252u, dir.size());
    PutSideBySide(dir, 12);  // FILE.10 would need a 261-byte buffer

    Assemble(dir + "\\FILE.1");

    ASSERT_EQ(1u, sim::Boxes().size());
    ExpectStopBox(sim::Boxes()[0], "Could not read disk 10");
    EXPECT_FALSE(Started());
    for (const sim::Call& c : sim::CallsTo("CreateFileA")) EXPECT_LT(c.Str(0).size(), 260u) << c.Str(0);
    EXPECT_EQ(1u, sim::CallsOn("CreateFileA", dir + "\\FILE.9").size());
}

// ------------------------------------------------------------- launching ----

class LaunchFailure : public AssemblyTest {
protected:
    void SetUp() override {
        AssemblyTest::SetUp();
        installer_ = PutSideBySide("C:\\SETUP", 2);
    }
    sim::Bytes installer_;
};

TEST_F(LaunchFailure, UnknownWindowsDirectoryStillStartsFromTheCurrentOne) {
    sim::FailGetWindowsDirectory();

    Assemble("C:\\SETUP\\FILE.1");

    EXPECT_TRUE(sim::CallsTo("SetCurrentDirectoryA").empty());
    EXPECT_TRUE(sim::CallsTo("SetEnvironmentVariableA").empty());
    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ("C:\\", sim::Launches()[0].currentDirectory);
    EXPECT_EQ(installer_, sim::Launches()[0].image);
}

TEST_F(LaunchFailure, NoShortPathStartsNothingAndSaysNothing) {
    sim::FailGetShortPathName();

    Assemble("C:\\SETUP\\FILE.1");

    EXPECT_FALSE(Started());
    EXPECT_TRUE(sim::Boxes().empty());
    EXPECT_EQ(installer_, sim::FileBytes(kTempInstaller));
}

TEST_F(LaunchFailure, ShortPathOf260OrMoreStartsNothing) {
    sim::ForceShortPathResult(260);

    Assemble("C:\\SETUP\\FILE.1");

    EXPECT_FALSE(Started());
    EXPECT_TRUE(sim::Boxes().empty());
}

}  // namespace
}  // namespace unit
