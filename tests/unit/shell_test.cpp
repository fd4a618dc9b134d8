// The launcher's entry and its dialog, run the way the dialog manager runs
// them: WinMain opens dialog 101, WM_INITDIALOG checks for FILE.1 and queues
// the command that joins the pieces, and the dialog ends with its number.
#include "opens.h"
#include "pieces.h"
#include "shell/shell.h"

#include <gtest/gtest.h>

namespace unit {
namespace {

const HINSTANCE kInstance = reinterpret_cast<HINSTANCE>(0x00400000);
constexpr const char* kPlaceholder = "THE NAME OF YOUR APP GOES HERE";

int CountWriteOpens() {
    int n = 0;
    for (const sim::Call& c : sim::CallsTo("CreateFileA"))
        if (c.Num(1) & 0x40000000u) ++n;
    return n;
}

class LauncherShell : public AssemblyTest {
protected:
    void SetUp() override {
        AssemblyTest::SetUp();
        sim::SetModuleFileName("C:\\SETUP\\SETUP.EXE");
    }

    int RunLauncher() { return WinMain(kInstance, nullptr, const_cast<LPSTR>(""), 1); }

    const sim::Dialog& TheDialog() const { return sim::Dialogs().at(0); }

    std::vector<INT_PTR> EndDialogResults() const {
        std::vector<INT_PTR> out;
        for (const sim::Call& c : sim::CallsTo("EndDialog")) out.push_back(static_cast<INT_PTR>(c.Num(1)));
        return out;
    }

    void ExpectOnlyStopBox(const std::string& text) {
        ASSERT_EQ(1u, sim::Boxes().size());
        const sim::Box& box = sim::Boxes()[0];
        EXPECT_EQ(nullptr, box.owner);
        EXPECT_EQ(text, box.text);
        EXPECT_FALSE(box.caption.has_value()) << "caption \"" << box.caption.value_or("") << "\"";
        EXPECT_EQ(0x10u, box.style);
    }

    // The launcher gave up before the assembly: FILE.1 was not even looked
    // at past the check, no temporary file, no request, nothing started.
    void ExpectMissingFile1Road() {
        ExpectOnlyStopBox("Missing FILE.1");
        EXPECT_EQ(std::vector<INT_PTR>{2}, EndDialogResults());
        EXPECT_EQ(2, TheDialog().result);
        EXPECT_EQ(0, CountWriteOpens());
        EXPECT_FALSE(sim::FileExists(kTempInstaller));
        EXPECT_TRUE(sim::DelayedMoves().empty());
        EXPECT_TRUE(sim::CallsTo("PostMessageA").empty());
        EXPECT_FALSE(Started());
    }
};

// ----------------------------------------------------------- FILE.1 ----

class MissingFile1 : public LauncherShell {
protected:
    void SetUp() override {
        LauncherShell::SetUp();
        AcknowledgeEveryBox();
    }

    // The launcher runs, takes the missing-FILE.1 road and never tries to
    // open anything: the path was given up on before.
    void ExpectMissingBeforeAnyOpen() {
        EXPECT_EQ(0, RunLauncher());
        ExpectMissingFile1Road();
        EXPECT_TRUE(sim::CallsTo("CreateFileA").empty());
    }
};

TEST_F(MissingFile1, ShowsOneStopBoxAndEndsTheDialogWith2) {
    sim::MakeDirectory("C:\\SETUP");

    EXPECT_EQ(0, RunLauncher());

    ExpectMissingFile1Road();
    ASSERT_EQ(1u, sim::CallsTo("CreateFileA").size());
    EXPECT_EQ("C:\\SETUP\\FILE.1", sim::CallsTo("CreateFileA")[0].Str(0));
    EXPECT_EQ(kPlaceholder, sim::ControlText(1000));
}

TEST_F(MissingFile1, UnknownModulePathCountsAsMissing) {
    PutSideBySide("C:\\SETUP", 1);
    sim::FailGetModuleFileName();

    ExpectMissingBeforeAnyOpen();
}

TEST_F(MissingFile1, DirectoryTooLongForFile1CountsAsMissing) {
    std::string directory = sim::DirectoryOfLength(253);
    sim::MakeDirectory(directory);
    sim::SetModuleFileName(directory + "\\A.EXE");

    ExpectMissingBeforeAnyOpen();
}

TEST_F(MissingFile1, ModulePathThatFillsTheBufferCountsAsMissing) {
    std::string directory = sim::DirectoryOfLength(250);
    sim::MakeDirectory(directory);
    sim::SetModuleFileName(directory + "\\LAUNCHER.EXE");  // 263 characters

    ExpectMissingBeforeAnyOpen();
}

TEST_F(MissingFile1, File1ThatCannotBeOpenedCountsAsMissing) {
    PutSideBySide("C:\\SETUP", 1);
    sim::FailOpen("C:\\SETUP\\FILE.1");

    EXPECT_EQ(0, RunLauncher());

    ExpectMissingFile1Road();
}

class File1Path : public LauncherShell {};

TEST_F(File1Path, IsBuiltBesideTheLauncherAndOpenedForSharedReading) {
    sim::Bytes installer = PutSideBySide("C:\\SETUP", 1);

    EXPECT_EQ(0, RunLauncher());

    std::vector<sim::Call> opens = sim::CallsTo("CreateFileA");
    ASSERT_FALSE(opens.empty());
    EXPECT_EQ("C:\\SETUP\\FILE.1", opens[0].Str(0));
    ExpectOpenedWith(opens[0], 0x80000000u, 1u, 3u, 0x08000080u);
    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(installer, sim::Launches()[0].image);
}

TEST_F(File1Path, DirectoryOf252CharactersStillFits) {
    std::string directory = sim::DirectoryOfLength(252);
    sim::Bytes installer = PutSideBySide(directory, 2);
    sim::SetModuleFileName(directory + "\\A.EXE");

    EXPECT_EQ(0, RunLauncher());

    ASSERT_FALSE(sim::CallsTo("CreateFileA").empty());
    EXPECT_EQ(directory + "\\FILE.1", sim::CallsTo("CreateFileA")[0].Str(0));
    EXPECT_TRUE(sim::Boxes().empty());
    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(installer, sim::Launches()[0].image);
}

TEST_F(File1Path, ModuleNameWithoutBackslashIsNotCut) {
    sim::SetModuleFileName("SETUP.EXE");
    AcknowledgeEveryBox();

    EXPECT_EQ(0, RunLauncher());

    ASSERT_EQ(1u, sim::CallsTo("CreateFileA").size());
    EXPECT_EQ("SETUP.EXE\\FILE.1", sim::CallsTo("CreateFileA")[0].Str(0));
    ExpectMissingFile1Road();
}

// ------------------------------------------------------------- name ----

class ShownName : public LauncherShell {
protected:
    std::vector<sim::Call> NameSets() const { return sim::CallsTo("SetDlgItemTextA"); }

    // A FILE.1 whose name cannot be read: the placeholder stays, and the
    // assembly, not the missing-file check, refuses the disk.
    void ExpectPlaceholderAndUnreadableDisk1() {
        AcknowledgeEveryBox();
        EXPECT_EQ(0, RunLauncher());
        EXPECT_TRUE(NameSets().empty());
        EXPECT_EQ(kPlaceholder, sim::ControlText(1000));
        ExpectOnlyStopBox("Could not read disk 1");
        EXPECT_FALSE(Started());
    }
};

TEST_F(ShownName, NameOf259CharactersIsShownWhole) {
    std::string name(259, 'K');
    name[0] = 'Q';
    name[258] = 'z';
    sim::Bytes installer = PutSideBySide("C:\\SETUP", 2, PieceSet(name));

    EXPECT_EQ(0, RunLauncher());

    ASSERT_EQ(1u, NameSets().size());
    EXPECT_EQ(1000u, NameSets()[0].Num(1));
    EXPECT_EQ(name, NameSets()[0].Str(2));
    EXPECT_EQ(name, sim::ControlText(1000));
    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(installer, sim::Launches()[0].image);
}

TEST_F(ShownName, HeaderWithoutNulInItsFirst260BytesShowsThe259ThatFit) {
    std::string name(300, 'N');
    for (size_t i = 0; i < name.size(); ++i) name[i] = static_cast<char>('A' + i % 26);
    PutSideBySide("C:\\SETUP", 1, PieceSet(name));

    EXPECT_EQ(0, RunLauncher());

    ASSERT_EQ(1u, NameSets().size());
    EXPECT_EQ(name.substr(0, 259), NameSets()[0].Str(2));
    EXPECT_TRUE(Started());
}

TEST_F(ShownName, File1EndingBeforeTheNulShowsWhatItHolds) {
    sim::PutFile("C:\\SETUP\\FILE.1", "Tiny");
    AcknowledgeEveryBox();

    EXPECT_EQ(0, RunLauncher());

    EXPECT_EQ("Tiny", sim::ControlText(1000));
    // Too short to hold a header: the assembly refuses it.
    ExpectOnlyStopBox("Could not read disk 1");
    EXPECT_FALSE(Started());
    EXPECT_EQ(1, TheDialog().result);
}

TEST_F(ShownName, EmptyFile1KeepsThePlaceholder) {
    sim::PutFile("C:\\SETUP\\FILE.1", "");

    ExpectPlaceholderAndUnreadableDisk1();
}

TEST_F(ShownName, UnreadableFile1KeepsThePlaceholderAndIsNotReportedMissing) {
    PutSideBySide("C:\\SETUP", 1);
    sim::FailReadAt("C:\\SETUP\\FILE.1", 0);

    ExpectPlaceholderAndUnreadableDisk1();
    EXPECT_EQ(1, TheDialog().result);
}

// ------------------------------------------------------ the command ----

class Command : public LauncherShell {};

TEST_F(Command, DialogIsTemplate101WithoutOwnerAndEndsWith1AfterTheStart) {
    sim::Bytes installer = PutSideBySide("C:\\SETUP", 3);

    EXPECT_EQ(0, RunLauncher());

    std::vector<sim::Call> dialogs = sim::CallsTo("DialogBoxParamA");
    ASSERT_EQ(1u, dialogs.size());
    EXPECT_EQ(0x00400000u, dialogs[0].Num(0));
    EXPECT_EQ(101u, dialogs[0].Num(1));
    EXPECT_TRUE(dialogs[0].IsNull(2));
    EXPECT_EQ(0u, dialogs[0].Num(4));
    EXPECT_EQ("King's Quest Collection", sim::ControlText(1000));
    EXPECT_TRUE(sim::Boxes().empty());
    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(installer, sim::Launches()[0].image);
    EXPECT_EQ(std::vector<INT_PTR>{1}, EndDialogResults());
    EXPECT_EQ(1, TheDialog().result);
    EXPECT_FALSE(TheDialog().idle);
}

TEST_F(Command, StartupPostsCommand1WithTheOkButton) {
    PutSideBySide("C:\\SETUP", 1);

    RunLauncher();

    std::vector<sim::Call> posts = sim::CallsTo("PostMessageA");
    ASSERT_EQ(1u, posts.size());
    HWND dialog = TheDialog().hwnd;
    EXPECT_EQ(reinterpret_cast<uintptr_t>(dialog), posts[0].Num(0));
    EXPECT_EQ(0x0111u, posts[0].Num(1));
    EXPECT_EQ(1u, posts[0].Num(2));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(sim::ControlHandle(dialog, 1)), posts[0].Num(3));
    // The work runs from the posted command, after WM_INITDIALOG returned.
    ASSERT_EQ(2u, sim::Dispatches().size());
    EXPECT_EQ(0x0110u, sim::Dispatches()[0].message);
    EXPECT_EQ(0x0111u, sim::Dispatches()[1].message);
    EXPECT_LT(sim::Dispatches()[1].seq, SeqOf("WinExec"));
}

TEST_F(Command, CommandWithNotificationCodeDoesNothing) {
    PutSideBySide("C:\\SETUP", 1);
    HWND window = reinterpret_cast<HWND>(0x1230000);

    EXPECT_EQ(FALSE, LauncherDialogProc(window, 0x0111, 0x00010001, 0));
    EXPECT_EQ(FALSE, LauncherDialogProc(window, 0x0111, 0x00010002, 0));
    EXPECT_EQ(FALSE, LauncherDialogProc(window, 0x0111, 3, 0));
    EXPECT_EQ(FALSE, LauncherDialogProc(window, 0x0002, 1, 0));

    EXPECT_TRUE(sim::Calls().empty());
}

// Queues command 2 ahead of the start-up's own command 1, as an Esc key
// pressed before the dialog's loop runs would.
INT_PTR CALLBACK PressEscapeFirst(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == 0x0110) PostMessageA(window, 0x0111, 2, 0);
    return LauncherDialogProc(window, message, wParam, lParam);
}

TEST_F(Command, Command2AlsoRunsTheAssemblyAndEndsWith2) {
    sim::Bytes installer = PutSideBySide("C:\\SETUP", 2);

    DialogBoxParamA(kInstance, MAKEINTRESOURCEA(101), nullptr, PressEscapeFirst, 0);

    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(installer, sim::Launches()[0].image);
    EXPECT_EQ(1, CountWriteOpens());
    EXPECT_EQ(std::vector<INT_PTR>{2}, EndDialogResults());
    EXPECT_EQ(2, TheDialog().result);
}

TEST_F(Command, CommandArrivingDuringADiskBoxIsIgnored) {
    int one = sim::NewDisk(), two = sim::NewDisk();
    PieceSet set;
    sim::PutFileOnDisk(one, "\\FILE.1", set.Piece(1, PayloadSize(1), false));
    sim::PutFileOnDisk(two, "\\FILE.2", set.Piece(2, PayloadSize(2), true));
    sim::InsertDisk('A', one);
    sim::SetModuleFileName("A:\\SETUP.EXE");
    sim::AnswerBoxes([two](const sim::Box&) {
        HWND dialog = sim::Dialogs().at(0).hwnd;
        PostMessageA(dialog, 0x0111, 1, 0);
        PostMessageA(dialog, 0x0111, 2, 0);
        sim::InsertDisk('A', two);
        return IDOK;
    });

    EXPECT_EQ(0, RunLauncher());

    ASSERT_EQ(1u, sim::Boxes().size());
    EXPECT_EQ("Next Disk", sim::Boxes()[0].caption);
    EXPECT_EQ(1, CountWriteOpens()) << "a second assembly opened the temporary installer again";
    EXPECT_EQ(1u, sim::DelayedMoves().size());
    int nested = 0;
    for (const sim::Dispatch& d : sim::Dispatches())
        if (d.message == 0x0111 && d.inBox) ++nested;
    EXPECT_EQ(2, nested);
    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(Installer(2), sim::Launches()[0].image);
    EXPECT_EQ(std::vector<INT_PTR>{1}, EndDialogResults());
    EXPECT_EQ(1, TheDialog().result);
}

TEST_F(Command, MissingOkButtonStillStartsTheWork) {
    sim::Bytes installer = PutSideBySide("C:\\SETUP", 2);
    sim::FailGetDlgItem();

    EXPECT_EQ(0, RunLauncher());

    std::vector<sim::Call> posts = sim::CallsTo("PostMessageA");
    ASSERT_EQ(1u, posts.size());
    EXPECT_EQ(1u, posts[0].Num(2));
    EXPECT_EQ(0u, posts[0].Num(3));
    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(installer, sim::Launches()[0].image);
    EXPECT_EQ(1, TheDialog().result);
}

TEST_F(Command, FailedPostRunsTheWorkAtOnce) {
    sim::Bytes installer = PutSideBySide("C:\\SETUP", 2);
    sim::FailPostMessage();

    EXPECT_EQ(0, RunLauncher());

    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(installer, sim::Launches()[0].image);
    EXPECT_EQ(1, CountWriteOpens());
    EXPECT_EQ(std::vector<INT_PTR>{1}, EndDialogResults());
    EXPECT_EQ(1, TheDialog().result);
    EXPECT_FALSE(TheDialog().idle) << "the dialog waited for a command that never came";
    ASSERT_EQ(1u, sim::Dispatches().size());
    EXPECT_EQ(0x0110u, sim::Dispatches()[0].message);
}

// ----------------------------------------------------------- outcome ----

class ExitCode : public LauncherShell {};

TEST_F(ExitCode, IsZeroAfterACancelledDiskPrompt) {
    int one = sim::NewDisk();
    sim::PutFileOnDisk(one, "\\FILE.1", PieceSet().Piece(1, PayloadSize(1), false));
    sim::InsertDisk('A', one);
    sim::SetModuleFileName("A:\\SETUP.EXE");
    sim::AnswerBoxesInOrder({IDCANCEL});

    EXPECT_EQ(0, RunLauncher());

    ASSERT_EQ(1u, sim::Boxes().size());
    EXPECT_EQ("Next Disk", sim::Boxes()[0].caption);
    EXPECT_FALSE(Started());
    EXPECT_EQ(1, TheDialog().result);
}

TEST_F(ExitCode, IsZeroAfterAFailedAssembly) {
    PutSideBySide("C:\\SETUP", 3);
    sim::FailWritesBeyond(kTempInstaller, 100);
    AcknowledgeEveryBox();

    EXPECT_EQ(0, RunLauncher());

    ExpectOnlyStopBox("Could not assemble installer.  Out of disk space?");
    EXPECT_FALSE(Started());
    EXPECT_EQ(1, TheDialog().result);
}

}  // namespace
}  // namespace unit
