// What the simulated Windows promises the launcher's tests: the file, mapping,
// text and dialog behaviour they rely on.
#include "winsim.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class SimulatedWindows : public ::testing::Test {
protected:
    void SetUp() override { sim::Reset(); }
};

TEST_F(SimulatedWindows, NamesIgnoreLetterCaseAndShortFormsResolveBack) {
    sim::PutFile("C:\\Documents and Settings\\Temp\\kqtmpins.exe", "MZ");
    char shortPath[260];
    DWORD n = GetShortPathNameA("c:\\documents and settings\\TEMP\\KQTMPINS.EXE", shortPath, 260);
    EXPECT_STREQ("C:\\DOCUME~1\\Temp\\kqtmpins.exe", shortPath);
    EXPECT_EQ(std::strlen(shortPath), n);
    EXPECT_EQ(2u, GetShortPathNameA("C:\\nothing", shortPath, 260) + 2);  // 0: no such file
    WinExec(shortPath, 5);
    ASSERT_EQ(1u, sim::Launches().size());
    EXPECT_EQ(sim::ToBytes("MZ"), sim::Launches()[0].image);
}

TEST_F(SimulatedWindows, CreateAlwaysEmptiesAndSharingIsEnforced) {
    sim::PutFile("C:\\X.BIN", "old contents");
    HANDLE h = CreateFileA("C:\\x.bin", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS, 0x08000080, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    EXPECT_EQ(0u, sim::FileBytes("C:\\X.BIN")->size());
    // A reader must allow the existing writer, and the writer did not allow readers.
    EXPECT_EQ(INVALID_HANDLE_VALUE,
              CreateFileA("C:\\X.BIN", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    HANDLE w2 = CreateFileA("C:\\X.BIN", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, w2);
    CloseHandle(w2);
    CloseHandle(h);
    int hold = sim::HoldOpen("C:\\X.BIN", GENERIC_READ, 0);
    EXPECT_EQ(INVALID_HANDLE_VALUE,
              CreateFileA("C:\\X.BIN", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    sim::ReleaseHold(hold);
    EXPECT_EQ("", sim::Leaks());
}

TEST_F(SimulatedWindows, MappingGrowsFileWithZerosAndViewWritesBackOnUnmap) {
    sim::PutFile("C:\\WINDOWS\\WININIT.INI", "abc");
    HANDLE f = CreateFileA("C:\\WINDOWS\\WinInit.Ini", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                           0x08000080, nullptr);
    HANDLE m = CreateFileMappingA(f, nullptr, PAGE_READWRITE, 0, 8, nullptr);
    ASSERT_NE(nullptr, m);
    EXPECT_EQ(sim::ToBytes(std::string("abc\0\0\0\0\0", 8)), sim::FileBytes("C:\\WINDOWS\\WININIT.INI"));
    char* view = static_cast<char*>(MapViewOfFile(m, FILE_MAP_WRITE, 0, 0, 0));
    ASSERT_NE(nullptr, view);
    std::memcpy(view + 3, "de", 2);
    EXPECT_FALSE(SetEndOfFile(f));  // not while the file is mapped
    UnmapViewOfFile(view);
    CloseHandle(m);
    SetFilePointer(f, 5, nullptr, FILE_BEGIN);
    EXPECT_TRUE(SetEndOfFile(f));
    CloseHandle(f);
    EXPECT_EQ("abcde", sim::FileText("C:\\WINDOWS\\WININIT.INI"));
    EXPECT_EQ("", sim::Leaks());
}

TEST_F(SimulatedWindows, FaultsShowAsTheSystemShowsThem) {
    sim::PutFile("C:\\T\\OUT", "");
    sim::ShortWritesBeyond("C:\\T\\OUT", 5);
    HANDLE h = CreateFileA("C:\\T\\OUT", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD written = 99;
    EXPECT_TRUE(WriteFile(h, "1234567", 7, &written, nullptr));
    EXPECT_EQ(5u, written);
    CloseHandle(h);
    sim::PutFile("C:\\T\\FULL", "");
    sim::FailWritesBeyond("C:\\T\\FULL", 4);
    h = CreateFileA("C:\\T\\FULL", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_TRUE(WriteFile(h, "1234", 4, &written, nullptr));
    EXPECT_FALSE(WriteFile(h, "5", 1, &written, nullptr));
    CloseHandle(h);
    sim::PutFile("C:\\T\\IN", "0123456789");
    sim::FailReadAt("C:\\T\\IN", 6);
    h = CreateFileA("C:\\T\\IN", GENERIC_READ, 1, nullptr, OPEN_EXISTING, 0, nullptr);
    char buffer[4];
    DWORD read = 0;
    EXPECT_TRUE(ReadFile(h, buffer, 4, &read, nullptr));
    EXPECT_FALSE(ReadFile(h, buffer, 4, &read, nullptr));
    EXPECT_EQ(0u, read);
    CloseHandle(h);
    EXPECT_EQ("", sim::Leaks());
}

TEST_F(SimulatedWindows, FormatterStopsAt1024Bytes) {
    char out[1024];
    std::string long_(2000, 'x');
    EXPECT_EQ(1024, wsprintfA(out, "%hs=%hs\r\n", "NUL", long_.c_str()));
    EXPECT_EQ(1023u, std::strlen(out));
    EXPECT_EQ(21, wsprintfA(out, "%s %d %u|%hs", "disk", -3, 4000000000u, "ok"));
    EXPECT_STREQ("disk -3 4000000000|ok", out);
}

TEST_F(SimulatedWindows, SwappedDiskShowsItsOwnFiles) {
    int one = sim::NewDisk(), two = sim::NewDisk();
    sim::PutFileOnDisk(one, "\\FILE.1", sim::ToBytes("1"));
    sim::PutFileOnDisk(two, "\\FILE.2", sim::ToBytes("2"));
    WIN32_FIND_DATAA data;
    EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFileA("A:\\FILE.1", &data));  // drive empty
    sim::InsertDisk('A', one);
    HANDLE find = FindFirstFileA("a:\\file.1", &data);
    ASSERT_NE(INVALID_HANDLE_VALUE, find);
    FindClose(find);
    sim::InsertDisk('A', two);
    EXPECT_FALSE(sim::FileExists("A:\\FILE.1"));
    EXPECT_TRUE(sim::FileExists("A:\\FILE.2"));
}

INT_PTR CALLBACK EchoProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        PostMessageA(window, WM_COMMAND, 1, 0);
        return TRUE;
    }
    if (message == WM_COMMAND) {
        MessageBoxA(nullptr, "working", nullptr, 0);
        EndDialog(window, static_cast<INT_PTR>(wParam));
        return TRUE;
    }
    return FALSE;
}

TEST_F(SimulatedWindows, DialogDispatchesPostedMessagesAlsoInsideBoxes) {
    int boxes = 0;
    HWND dialog = nullptr;
    sim::AnswerBoxes([&](const sim::Box&) {
        if (boxes++ == 0) PostMessageA(dialog, WM_COMMAND, 2, 0);
        return IDOK;
    });
    sim::OnDialogIdle([](HWND) {});
    dialog = reinterpret_cast<HWND>(0x10010000);  // the first dialog's handle
    EXPECT_EQ(1, DialogBoxParamA(nullptr, MAKEINTRESOURCEA(101), nullptr, EchoProc, 0));
    int nested = 0;
    for (const sim::Dispatch& d : sim::Dispatches())
        if (d.message == WM_COMMAND && d.depth == 2 && d.inBox) ++nested;
    EXPECT_EQ(1, nested);
    EXPECT_EQ("THE NAME OF YOUR APP GOES HERE", sim::ControlText(1000));
}

}  // namespace
