// Requests for the next system start: the delayed move, and the [Rename]
// section of WinInit.Ini where the system refuses delayed moves.
#include "opens.h"
#include "restart/restart.h"
#include "winsim.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kIni = "C:\\WINDOWS\\WinInit.Ini";

class RestartRequest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::Reset();
        sim::RefuseDelayedMoves();
    }
    void TearDown() override {
        EXPECT_EQ("", sim::Leaks()) << "something the request acquired was not released";
        EXPECT_TRUE(sim::AllocSizes().empty());
    }

    std::string Ini() const { return sim::FileText(kIni); }
    int DeleteOnRestart(const char* path = "C:\\TEMP\\A.EXE") { return ScheduleRenameOnReboot(path, nullptr); }
};

TEST_F(RestartRequest, AcceptedDelayedMoveLeavesWinInitIniAlone) {
    sim::RefuseDelayedMoves(false);

    EXPECT_NE(0, DeleteOnRestart());

    std::vector<sim::Call> moves = sim::CallsTo("MoveFileExA");
    ASSERT_EQ(1u, moves.size());
    EXPECT_EQ("C:\\TEMP\\A.EXE", moves[0].Str(0));
    EXPECT_TRUE(moves[0].IsNull(1));
    EXPECT_EQ(4u, moves[0].Num(2));
    EXPECT_TRUE(sim::CallsTo("CreateFileA").empty());
    EXPECT_FALSE(sim::FileExists(kIni));
}

TEST_F(RestartRequest, RefusedMoveCreatesWinInitIniWithTheSection) {
    EXPECT_NE(0, DeleteOnRestart());

    EXPECT_EQ("[Rename]\r\nNUL=C:\\TEMP\\A.EXE\r\n", Ini());
    ASSERT_EQ(1u, sim::CallsTo("MoveFileExA").size());
    EXPECT_EQ(4u, sim::CallsTo("MoveFileExA")[0].Num(2));
}

TEST_F(RestartRequest, WinInitIniIsOpenedExclusivelyForReadAndWrite) {
    DeleteOnRestart();

    std::vector<sim::Call> opens = sim::CallsTo("CreateFileA");
    ASSERT_EQ(1u, opens.size());
    EXPECT_EQ(kIni, opens[0].Str(0));
    unit::ExpectOpenedWith(opens[0], 0xC0000000u, 0u, 4u, 0x08000080u);
}

TEST_F(RestartRequest, RenameWritesTargetEqualsSource) {
    EXPECT_NE(0, ScheduleRenameOnReboot("C:\\OLD.EXE", "C:\\NEW.EXE"));

    EXPECT_EQ("[Rename]\r\nC:\\NEW.EXE=C:\\OLD.EXE\r\n", Ini());
    std::vector<sim::Call> moves = sim::CallsTo("MoveFileExA");
    ASSERT_EQ(1u, moves.size());
    EXPECT_EQ("C:\\OLD.EXE", moves[0].Str(0));
    EXPECT_EQ("C:\\NEW.EXE", moves[0].Str(1));
    EXPECT_EQ(4u, moves[0].Num(2));
}

TEST_F(RestartRequest, NewRequestGoesFirstInAnExistingSection) {
    sim::PutFile(kIni, "[boot]\r\nx=1\r\n[Rename]\r\nNUL=C:\\OLD.EXE\r\n[other]\r\ny=2\r\n");

    EXPECT_NE(0, DeleteOnRestart());

    EXPECT_EQ("[boot]\r\nx=1\r\n[Rename]\r\nNUL=C:\\TEMP\\A.EXE\r\nNUL=C:\\OLD.EXE\r\n[other]\r\ny=2\r\n", Ini());
}

TEST_F(RestartRequest, RequestsStandInReverseOrderOfRecording) {
    DeleteOnRestart("C:\\FIRST.EXE");
    DeleteOnRestart("C:\\SECOND.EXE");

    EXPECT_EQ("[Rename]\r\nNUL=C:\\SECOND.EXE\r\nNUL=C:\\FIRST.EXE\r\n", Ini());
}

TEST_F(RestartRequest, FileWithoutSectionGetsOneAppended) {
    sim::PutFile(kIni, "[boot]\r\nshell=Explorer.exe\r\n");

    EXPECT_NE(0, DeleteOnRestart());

    EXPECT_EQ("[boot]\r\nshell=Explorer.exe\r\n[Rename]\r\nNUL=C:\\TEMP\\A.EXE\r\n", Ini());
}

TEST_F(RestartRequest, SectionContinuesALastLineWithoutLineBreak) {
    sim::PutFile(kIni, "[boot]\r\nshell=Explorer.exe");

    EXPECT_NE(0, DeleteOnRestart());

    EXPECT_EQ("[boot]\r\nshell=Explorer.exe[Rename]\r\nNUL=C:\\TEMP\\A.EXE\r\n", Ini());
}

TEST_F(RestartRequest, HeaderInOtherLetterCaseIsNotTheSection) {
    sim::PutFile(kIni, "[rename]\r\nNUL=C:\\OLD.EXE\r\n");

    EXPECT_NE(0, DeleteOnRestart());

    EXPECT_EQ("[rename]\r\nNUL=C:\\OLD.EXE\r\n[Rename]\r\nNUL=C:\\TEMP\\A.EXE\r\n", Ini());
}

TEST_F(RestartRequest, HeaderEndedByBareLineFeedIsNotTheSection) {
    sim::PutFile(kIni, "[Rename]\nNUL=C:\\OLD.EXE\n");

    EXPECT_NE(0, DeleteOnRestart());

    EXPECT_EQ("[Rename]\nNUL=C:\\OLD.EXE\n[Rename]\r\nNUL=C:\\TEMP\\A.EXE\r\n", Ini());
}

TEST_F(RestartRequest, ZeroByteBeforeTheHeaderHidesIt) {
    std::string old("abc\0[Rename]\r\nNUL=C:\\OLD.EXE\r\n", 29);
    sim::PutFile(kIni, old);

    EXPECT_NE(0, DeleteOnRestart());

    EXPECT_EQ(old + "[Rename]\r\nNUL=C:\\TEMP\\A.EXE\r\n", Ini());
}

TEST_F(RestartRequest, HeaderInsideALineCounts) {
    sim::PutFile(kIni, "foo=bar[Rename]\r\nNUL=C:\\OLD.EXE\r\n");

    EXPECT_NE(0, DeleteOnRestart());

    EXPECT_EQ("foo=bar[Rename]\r\nNUL=C:\\TEMP\\A.EXE\r\nNUL=C:\\OLD.EXE\r\n", Ini());
}

TEST_F(RestartRequest, MappingGrowsTheFileByTheLineAndRoomForAHeader) {
    sim::PutFile(kIni, "[boot]\r\n");  // 8 bytes; the line is 19

    DeleteOnRestart();

    std::vector<sim::Call> mappings = sim::CallsTo("CreateFileMappingA");
    ASSERT_EQ(1u, mappings.size());
    EXPECT_EQ(4u, mappings[0].Num(2));
    EXPECT_EQ(0u, mappings[0].Num(3));
    EXPECT_EQ(8u + 19u + 10u, mappings[0].Num(4));
    std::vector<sim::Call> views = sim::CallsTo("MapViewOfFile");
    ASSERT_EQ(1u, views.size());
    EXPECT_EQ(2u, views[0].Num(1));
    EXPECT_EQ(0u, views[0].Num(2));
    EXPECT_EQ(0u, views[0].Num(3));
    EXPECT_EQ(0u, views[0].Num(4));
}

TEST_F(RestartRequest, MappingFailureOnAFreshFileLeavesItEmpty) {
    sim::FailMapping();

    EXPECT_EQ(0, DeleteOnRestart());
    EXPECT_EQ(sim::Bytes(), sim::FileBytes(kIni));
}

// ------------------------------------------------------ nothing recorded ----

class RestartRequestRefused : public RestartRequest {
protected:
    static constexpr const char* kOld = "[boot]\r\nshell=Explorer.exe\r\n[Rename]\r\nNUL=C:\\OLD.EXE\r\n";
    void SetUp() override {
        RestartRequest::SetUp();
        sim::PutFile(kIni, kOld);
    }
    void ExpectUnchanged() { EXPECT_EQ(kOld, Ini()); }
};

TEST_F(RestartRequestRefused, MappingFailureRestoresTheOldSize) {
    sim::FailMapping();

    EXPECT_EQ(0, DeleteOnRestart());
    ExpectUnchanged();
}

TEST_F(RestartRequestRefused, ViewFailureRestoresTheOldSize) {
    sim::FailView();

    EXPECT_EQ(0, DeleteOnRestart());
    ExpectUnchanged();
}

TEST_F(RestartRequestRefused, FileHeldOpenElsewhereIsLeftAlone) {
    int hold = sim::HoldOpen(kIni, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);

    EXPECT_EQ(0, DeleteOnRestart());
    sim::ReleaseHold(hold);
    ExpectUnchanged();
}

TEST_F(RestartRequestRefused, LineTooLongForTheBufferRecordsNothing) {
    std::string source = "C:\\" + std::string(1100, 'L') + ".EXE";

    EXPECT_EQ(0, DeleteOnRestart(source.c_str()));
    ExpectUnchanged();
}

TEST_F(RestartRequestRefused, LongLineThatFitsIsRecorded) {
    std::string source = "C:\\" + std::string(900, 'L') + ".EXE";

    EXPECT_NE(0, DeleteOnRestart(source.c_str()));
    EXPECT_EQ("[boot]\r\nshell=Explorer.exe\r\n[Rename]\r\nNUL=" + source + "\r\nNUL=C:\\OLD.EXE\r\n", Ini());
}

// 1023 bytes and the NUL fill the formatter's 1024 bytes exactly; the
// formatter then reports 1024. The line is recorded whole or not at all.
TEST_F(RestartRequestRefused, LineFillingTheWholeBufferIsRecordedWholeOrNotAtAll) {
    std::string source = "C:\\" + std::string(1010, 'L') + ".EXE";
    ASSERT_EQ(1023u, 4 + source.size() + 2);

    int recorded = DeleteOnRestart(source.c_str());

    if (recorded)
        EXPECT_EQ("[boot]\r\nshell=Explorer.exe\r\n[Rename]\r\nNUL=" + source + "\r\nNUL=C:\\OLD.EXE\r\n", Ini());
    else
        ExpectUnchanged();
}

TEST_F(RestartRequestRefused, FailingGetFileSizeRecordsNothing) {
    sim::FailGetFileSize(kIni);

    EXPECT_EQ(0, DeleteOnRestart());
    ExpectUnchanged();
}

TEST_F(RestartRequestRefused, WinInitIniOf4GBOrMoreRecordsNothing) {
    sim::ReportFileSizeHigh(kIni, 1);

    EXPECT_EQ(0, DeleteOnRestart());
    ExpectUnchanged();
}

TEST_F(RestartRequestRefused, WindowsDirectoryTooLongForTheFileNameRecordsNothing) {
    std::string dir = "C:\\" + std::string(245, 'W');  // 248 + "\WinInit.Ini" + NUL = 261
    ASSERT_EQ(248u, dir.size());
    sim::SetWindowsDirectory(dir);

    EXPECT_EQ(0, DeleteOnRestart());
    EXPECT_TRUE(sim::CallsTo("CreateFileA").empty());
    ExpectUnchanged();
}

TEST_F(RestartRequestRefused, UnknownWindowsDirectoryRecordsNothing) {
    sim::FailGetWindowsDirectory();

    EXPECT_EQ(0, DeleteOnRestart());
    EXPECT_TRUE(sim::CallsTo("CreateFileA").empty());
    ExpectUnchanged();
}

}  // namespace
