// The Windows text formatter, with its own rules: integers, characters and texts only.
#include <cstdio>
#include <cstring>

#include "tarvik/win32.h"

namespace {

constexpr size_t WSPRINTF_LIMIT = 1024;

// Appends to a fixed buffer and drops what does not fit, always leaving room for the terminator.
struct Out {
    char* buf;
    size_t cap;
    size_t len = 0;
    void put(char c) {
        if (len + 1 < cap) buf[len++] = c;
    }
    void put_n(char c, int n) {
        for (int i = 0; i < n; ++i) put(c);
    }
    void put_s(const char* s, size_t n) {
        for (size_t i = 0; i < n; ++i) put(s[i]);
    }
};

void format(Out& out, const char* f, va_list args) {
    for (; *f; ++f) {
        if (*f != '%') {
            out.put(*f);
            continue;
        }
        const char* start = f++;
        bool left = false, zero = false, alt = false;
        for (;; ++f) {
            if (*f == '-') left = true;
            else if (*f == '0') zero = true;
            else if (*f == '#') alt = true;
            else break;
        }
        int width = 0;
        while (*f >= '0' && *f <= '9') width = width * 10 + (*f++ - '0');
        int precision = -1;
        if (*f == '.') {
            ++f;
            precision = 0;
            while (*f >= '0' && *f <= '9') precision = precision * 10 + (*f++ - '0');
        }
        bool is_long = false;
        if (*f == 'l' || *f == 'h') is_long = (*f++ == 'l');
        (void)is_long;  // int and long are the same width to this formatter: 32 bits
        char digits[40];
        size_t n = 0;
        const char* text = digits;
        const char* prefix = "";
        bool negative = false;
        switch (*f) {
            case '%':
                out.put('%');
                continue;
            case 'c':
            case 'C':
                digits[0] = static_cast<char>(va_arg(args, int));
                n = 1;
                zero = false;
                break;
            case 's':
            case 'S': {
                const char* s = va_arg(args, const char*);
                text = s ? s : "";
                n = strlen(text);
                if (precision >= 0 && static_cast<size_t>(precision) < n) n = static_cast<size_t>(precision);
                zero = false;
                break;
            }
            case 'd':
            case 'i':
            case 'u':
            case 'x':
            case 'X': {
                uint32_t v = static_cast<uint32_t>(va_arg(args, int));
                if ((*f == 'd' || *f == 'i') && static_cast<int32_t>(v) < 0) {
                    negative = true;
                    v = 0u - v;
                }
                unsigned base = (*f == 'x' || *f == 'X') ? 16 : 10;
                const char* set = *f == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
                char rev[16];
                size_t r = 0;
                do {
                    rev[r++] = set[v % base];
                    v /= base;
                } while (v);
                while (precision >= 0 && r < static_cast<size_t>(precision) && r < sizeof rev) rev[r++] = '0';
                while (r) digits[n++] = rev[--r];
                if (negative) prefix = "-";
                else if (alt && base == 16) prefix = *f == 'X' ? "0X" : "0x";
                break;
            }
            default:
                // Not a conversion this formatter knows (floating point among them): copied out as written.
                out.put_s(start, static_cast<size_t>(f - start) + (*f ? 1 : 0));
                if (!*f) return;
                continue;
        }
        size_t plen = strlen(prefix);
        int pad = width - static_cast<int>(n + plen);
        if (!left && !zero) out.put_n(' ', pad);
        out.put_s(prefix, plen);
        if (!left && zero) out.put_n('0', pad);
        out.put_s(text, n);
        if (left) out.put_n(' ', pad);
    }
}

}  // namespace

TARVIK_WIN32_API int tarvik_wvsnprintf(LPSTR buf, size_t capacity, LPCSTR fmt, va_list args) {
    if (!buf || capacity == 0) return 0;
    Out out{buf, capacity};
    if (fmt) format(out, fmt, args);
    buf[out.len] = '\0';
    return static_cast<int>(out.len);
}

TARVIK_WIN32_API int wvsprintfA(LPSTR buf, LPCSTR fmt, va_list args) {
    return tarvik_wvsnprintf(buf, WSPRINTF_LIMIT, fmt, args);
}

TARVIK_WIN32_API int wsprintfA(LPSTR buf, LPCSTR fmt, ...) {
    va_list args;
    va_start(args, fmt);
    int n = wvsprintfA(buf, fmt, args);
    va_end(args);
    return n;
}
