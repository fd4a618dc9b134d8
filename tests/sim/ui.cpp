// Message boxes, modal dialogs and the posted-message queue, and the
// module's own file name.
#include "state.h"

#include "resources/resource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace sim {

namespace {

// Controls of the progress dialog's template, with their texts from the template.
const std::vector<std::pair<int, std::string>> kProgressTemplate = {
    {1, "OK"}, {2, "Cancel"}, {-1, "Preparing to install"}, {IDC_APP_NAME, "THE NAME OF YOUR APP GOES HERE"}};

uintptr_t DialogBase(size_t index) { return 0x10000000u + (index + 1) * 0x10000u; }

LiveDialog* LiveFor(HWND hwnd) {
    for (LiveDialog& d : W().live)
        if (!d.destroyed && reinterpret_cast<HWND>(DialogBase(d.index)) == hwnd) return &d;
    return nullptr;
}

bool HasControl(const Dialog& dialog, int id) {
    if (dialog.templateId != IDD_PROGRESS) return false;
    for (auto& [controlId, text] : kProgressTemplate)
        if (controlId == id) return true;
    return false;
}

INT_PTR Deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LiveDialog* live = LiveFor(hwnd);
    if (!live) return 0;
    Dispatch d;
    d.seq = ++W().seq;
    d.hwnd = hwnd;
    d.message = message;
    d.wParam = wParam;
    d.lParam = lParam;
    d.depth = ++W().procDepth;
    d.inBox = W().boxDepth > 0;
    size_t index = W().dispatches.size();
    W().dispatches.push_back(d);
    DLGPROC proc = live->proc;
    INT_PTR returned = proc(hwnd, message, wParam, lParam);
    --W().procDepth;
    W().dispatches[index].returned = returned;
    return returned;
}

}  // namespace

void ResetUi() {}

void PumpPostedMessages() {
    while (!W().queue.empty()) {
        Posted p = W().queue.front();
        W().queue.pop_front();
        Deliver(p.hwnd, p.message, p.wParam, p.lParam);
    }
}

const std::vector<Box>& Boxes() { return W().boxes; }
void AnswerBoxes(BoxScript script) { W().boxScript = std::move(script); }

void AnswerBoxesInOrder(std::vector<int> answers) {
    auto left = std::make_shared<std::vector<int>>(std::move(answers));
    auto next = std::make_shared<size_t>(0);
    W().boxScript = [left, next](const Box& box) {
        if (*next >= left->size()) {
            ADD_FAILURE() << "one message box more than scripted: \"" << box.text << "\" caption "
                          << (box.caption ? "\"" + *box.caption + "\"" : std::string("(null)"));
            return IDCANCEL;
        }
        return (*left)[(*next)++];
    };
}

void SetBoxLimit(int limit) { W().boxLimit = limit; }

const std::vector<Dialog>& Dialogs() { return W().dialogs; }
const std::vector<Dispatch>& Dispatches() { return W().dispatches; }

std::string ControlText(int id) {
    if (W().dialogs.empty()) return "";
    const auto& texts = W().dialogs.back().texts;
    auto it = texts.find(id);
    return it == texts.end() || it->second.empty() ? "" : it->second.back();
}

void OnDialogIdle(std::function<void(HWND)> handler) { W().idleHandler = std::move(handler); }

HWND ControlHandle(HWND dialog, int id) {
    return reinterpret_cast<HWND>(reinterpret_cast<uintptr_t>(dialog) + (static_cast<unsigned>(id) & 0xFFFFu));
}

void SetModuleFileName(const std::string& path) { W().moduleFileName = path; }

}  // namespace sim

using namespace sim;

// The box's own loop dispatches posted messages before and after the user
// answers; the answer comes from the test's script.
extern "C" int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    size_t call = Log("MessageBoxA", {Ptr(owner), Str(text), Str(caption), Num(type)});
    Box box;
    box.seq = W().calls[call].seq;
    box.owner = owner;
    box.text = text ? text : "";
    if (caption) box.caption = std::string(caption);
    box.style = type;
    size_t index = W().boxes.size();
    W().boxes.push_back(box);

    ++W().boxDepth;
    PumpPostedMessages();
    int answer;
    int shown = static_cast<int>(W().boxes.size());
    if (shown > 2 * W().boxLimit) {
        std::fprintf(stderr, "winsim: %d message boxes, the launcher does not stop asking\n", shown);
        std::abort();
    } else if (shown > W().boxLimit) {
        if (shown == W().boxLimit + 1)
            ADD_FAILURE() << "more than " << W().boxLimit << " message boxes; last \"" << box.text << "\"";
        answer = IDCANCEL;
    } else if (W().boxScript) {
        BoxScript script = W().boxScript;  // the script may replace itself
        answer = script(box);
    } else {
        ADD_FAILURE() << "unexpected message box: \"" << box.text << "\" caption "
                      << (caption ? "\"" + std::string(caption) + "\"" : std::string("(null)")) << " style "
                      << type;
        answer = IDCANCEL;
    }
    PumpPostedMessages();
    --W().boxDepth;

    W().boxes[index].answer = answer;
    Result(call, answer);
    return answer;
}

extern "C" INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND parent,
                                          DLGPROC dialogFunc, LPARAM initParam) {
    UINT_PTR id = reinterpret_cast<UINT_PTR>(templateName);
    bool numbered = id < 0x10000;
    size_t call = Log("DialogBoxParamA", {Ptr(instance), numbered ? Num(id) : Str(templateName), Ptr(parent),
                                          Ptr(reinterpret_cast<const void*>(dialogFunc)), Num(initParam)});
    if (!dialogFunc) {
        Result(call, -1);
        return -1;
    }
    Dialog dialog;
    size_t index = W().dialogs.size();
    HWND hwnd = reinterpret_cast<HWND>(DialogBase(index));
    dialog.hwnd = hwnd;
    dialog.templateId = numbered ? id : 0;
    dialog.parent = parent;
    dialog.initParam = initParam;
    if (dialog.templateId == IDD_PROGRESS)
        for (auto& [controlId, text] : kProgressTemplate) dialog.texts[controlId].push_back(text);
    W().dialogs.push_back(dialog);
    W().live.push_back(LiveDialog{index, dialogFunc, false});

    Deliver(hwnd, WM_INITDIALOG, reinterpret_cast<WPARAM>(ControlHandle(hwnd, 1)), initParam);
    while (!W().dialogs[index].ended) {
        if (W().queue.empty() && W().idleHandler) W().idleHandler(hwnd);
        if (W().queue.empty()) {
            W().dialogs[index].idle = true;
            break;
        }
        Posted p = W().queue.front();
        W().queue.pop_front();
        Deliver(p.hwnd, p.message, p.wParam, p.lParam);
    }
    for (LiveDialog& d : W().live)
        if (d.index == index) d.destroyed = true;
    // Messages still queued for the destroyed window are lost with it.
    std::deque<Posted> kept;
    for (const Posted& p : W().queue)
        if (p.hwnd != hwnd) kept.push_back(p);
    W().queue.swap(kept);

    INT_PTR result = W().dialogs[index].ended ? W().dialogs[index].result : -1;
    Result(call, result);
    return result;
}

extern "C" BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
    size_t call = Log("EndDialog", {Ptr(dialog), Num(static_cast<uint64_t>(result))});
    LiveDialog* live = LiveFor(dialog);
    if (!live) {
        Result(call, 0);
        return FALSE;
    }
    Dialog& d = W().dialogs[live->index];
    // A later call replaces the result, as the dialog manager keeps the last.
    d.ended = true;
    d.result = result;
    Result(call, 1);
    return TRUE;
}

extern "C" BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    size_t call = Log("SetDlgItemTextA", {Ptr(dialog), Num(static_cast<unsigned>(id)), Str(text)});
    LiveDialog* live = LiveFor(dialog);
    if (!live || !HasControl(W().dialogs[live->index], id)) {
        Result(call, 0);
        return FALSE;
    }
    W().dialogs[live->index].texts[id].push_back(text ? text : "");
    Result(call, 1);
    return TRUE;
}

extern "C" HWND WINAPI GetDlgItem(HWND dialog, int id) {
    size_t call = Log("GetDlgItem", {Ptr(dialog), Num(static_cast<unsigned>(id))});
    LiveDialog* live = LiveFor(dialog);
    if (W().failGetDlgItem || !live || !HasControl(W().dialogs[live->index], id)) {
        Result(call, 0);
        return nullptr;
    }
    HWND control = ControlHandle(dialog, id);
    Result(call, static_cast<int64_t>(reinterpret_cast<uintptr_t>(control)));
    return control;
}

extern "C" BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    size_t call = Log("PostMessageA", {Ptr(window), Num(message), Num(wParam), Num(static_cast<uint64_t>(lParam))});
    if (W().failPostMessage || (window && !LiveFor(window))) {
        Result(call, 0);
        return FALSE;
    }
    W().queue.push_back(Posted{window, message, wParam, lParam});
    Result(call, 1);
    return TRUE;
}

// As on Vista and later: a result that does not fit is cut, NUL-terminated,
// and reported with the buffer's size.
extern "C" DWORD WINAPI GetModuleFileNameA(HINSTANCE module, LPSTR fileName, DWORD size) {
    size_t call = Log("GetModuleFileNameA", {Ptr(module), Ptr(fileName), Num(size)});
    if (W().failModuleFileName || !fileName || size == 0) {
        Result(call, 0);
        return 0;
    }
    const std::string& path = W().moduleFileName;
    DWORD result;
    if (path.size() + 1 > size) {
        std::memcpy(fileName, path.data(), size - 1);
        fileName[size - 1] = '\0';
        result = size;
    } else {
        std::memcpy(fileName, path.c_str(), path.size() + 1);
        result = static_cast<DWORD>(path.size());
    }
    Result(call, result);
    return result;
}
