// libFuzzer target: the WinInit.Ini editor on any existing file and any
// request line, checked against the same oracle as the fault suite.
//
// Input: one byte of choices, two bytes of content length, the content,
// then the source path, a zero byte and the target path.
#include "wininit_case.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    unsigned flags = data[0];
    size_t length = (static_cast<size_t>(data[1]) << 8) | data[2];
    const uint8_t* rest = data + 3;
    size_t left = size - 3;
    if (length > left) length = left;

    fault::IniCase c;
    if (length > 0 || !(flags & 0x01)) c.existing = std::vector<unsigned char>(rest, rest + length);
    rest += length;
    left -= length;
    size_t at = 0;
    while (at < left && rest[at] != 0) c.source += static_cast<char>(rest[at++]);
    if (flags & 0x02) {
        std::string target;
        for (++at; at < left && rest[at] != 0; ++at) target += static_cast<char>(rest[at]);
        c.target = target;
    }
    unsigned fault = (flags >> 2) & 0x0F;  // half of the inputs run without a fault
    if (fault <= 7) c.fault = static_cast<fault::IniFault>(fault);
    if (c.fault == fault::IniFault::kHeldOpen && !c.existing) c.fault = fault::IniFault::kOpen;
    c.delayedMoveAccepted = (flags & 0xC0) == 0xC0;

    std::string problem = fault::RunIniCase(c);
    if (!problem.empty()) {
        std::fprintf(stderr, "WinInit.Ini edit disagrees with the oracle: %s\ncase: %s\n", problem.c_str(),
                     fault::Describe(c).c_str());
        std::abort();
    }
    return 0;
}
