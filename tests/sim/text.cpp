// USER32's text formatter and KERNEL32's string concatenation.
#include "state.h"

#include <cstdarg>
#include <cstring>

using namespace sim;

namespace {

// wsprintfA writes at most this many bytes, the terminating NUL included.
constexpr size_t kFormatLimit = 1024;

std::string Pad(std::string body, int width, bool left, char fill) {
    if (width > 0 && body.size() < static_cast<size_t>(width)) {
        std::string padding(static_cast<size_t>(width) - body.size(), fill);
        if (left) return body + std::string(padding.size(), ' ');
        if (fill == '0' && !body.empty() && body[0] == '-') return "-" + padding + body.substr(1);
        return padding + body;
    }
    return body;
}

std::string Format(const char* format, va_list args) {
    std::string out;
    for (const char* p = format; *p; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        ++p;
        if (*p == '%') {
            out += '%';
            continue;
        }
        bool left = false, hexPrefix = false;
        char fill = ' ';
        for (;; ++p) {
            if (*p == '-') left = true;
            else if (*p == '#') hexPrefix = true;
            else if (*p == '0') fill = '0';
            else break;
        }
        int width = 0;
        while (*p >= '0' && *p <= '9') width = width * 10 + (*p++ - '0');
        int precision = -1;
        if (*p == '.') {
            ++p;
            precision = 0;
            while (*p >= '0' && *p <= '9') precision = precision * 10 + (*p++ - '0');
        }
        bool wide = false;
        if (*p == 'l' || *p == 'w') {
            wide = true;
            ++p;
        } else if (*p == 'h') {
            ++p;
        }
        char type = *p;
        if (!type) break;
        std::string body;
        switch (type) {
            case 'd':
            case 'i': {
                int v = va_arg(args, int);
                body = std::to_string(v);
                break;
            }
            case 'u':
                body = std::to_string(va_arg(args, unsigned int));
                break;
            case 'x':
            case 'X': {
                unsigned int v = va_arg(args, unsigned int);
                char digits[16];
                std::snprintf(digits, sizeof digits, type == 'x' ? "%x" : "%X", v);
                body = digits;
                if (hexPrefix) body = (type == 'x' ? "0x" : "0X") + body;
                break;
            }
            case 'c':
                body = std::string(1, static_cast<char>(va_arg(args, int)));
                break;
            case 's':
            case 'S': {
                if (wide || type == 'S') {
                    // 16-bit characters, as the real WCHAR.
                    const uint16_t* w = va_arg(args, const uint16_t*);
                    if (!w) body = "(null)";
                    else
                        for (; *w; ++w) body += static_cast<char>(*w);
                } else {
                    const char* s = va_arg(args, const char*);
                    body = s ? s : "(null)";
                }
                if (precision >= 0 && body.size() > static_cast<size_t>(precision))
                    body.resize(static_cast<size_t>(precision));
                fill = ' ';
                break;
            }
            default:
                continue;  // unknown types print nothing
        }
        out += Pad(body, width, left, fill);
    }
    return out;
}

}  // namespace

// At most 1023 characters and the NUL are stored; a result that reached the
// limit is reported as 1024, as the system's formatter does.
extern "C" int WINAPIV wsprintfA(LPSTR out, LPCSTR format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = Format(format, args);
    va_end(args);
    int result;
    if (text.size() >= kFormatLimit - 1) {
        text.resize(kFormatLimit - 1);
        result = static_cast<int>(kFormatLimit);
    } else {
        result = static_cast<int>(text.size());
    }
    std::memcpy(out, text.c_str(), text.size() + 1);
    size_t call = Log("wsprintfA", {Str(format), Str(text.c_str())});
    Result(call, result);
    return result;
}

extern "C" LPSTR WINAPI lstrcatA(LPSTR string1, LPCSTR string2) {
    size_t call = Log("lstrcatA", {Str(string1), Str(string2)});
    if (!string1 || !string2) {
        Result(call, 0);
        return nullptr;
    }
    std::strcat(string1, string2);
    Result(call, 1);
    return string1;
}
