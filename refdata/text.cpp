#include "refdata/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace kelvara {

Text FromUtf8(std::string_view s) {
    Text out;
    out.reserve(s.size());
    size_t i = 0;
    const size_t n = s.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(s[i]);
        char32_t cp = 0xFFFD;
        size_t len = 1;
        if (c < 0x80) {
            cp = c;
        } else if ((c & 0xE0) == 0xC0 || (c & 0xF0) == 0xE0 || (c & 0xF8) == 0xF0) {
            len = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : 4;
            char32_t v = len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
            bool ok = i + len <= n;
            for (size_t k = 1; ok && k < len; ++k) {
                const auto cc = static_cast<unsigned char>(s[i + k]);
                if ((cc & 0xC0) != 0x80) ok = false;
                v = (v << 6) | (cc & 0x3F);
            }
            const char32_t minimum = len == 2 ? 0x80 : len == 3 ? 0x800 : 0x10000;
            if (ok && v >= minimum && v <= 0x10FFFF && !(v >= 0xD800 && v <= 0xDFFF)) {
                cp = v;
            } else {
                len = 1;
            }
        }
        i += len;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string ToUtf8(TextView t) {
    std::string out;
    out.reserve(t.size());
    for (size_t i = 0; i < t.size(); ++i) {
        char32_t cp = t[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < t.size() && t[i + 1] >= 0xDC00 &&
            t[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (t[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

bool IsValidUtf8(std::string_view s) {
    size_t i = 0;
    const size_t n = s.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t len = 0;
        char32_t v = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            v = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            v = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            v = c & 0x07;
        } else {
            return false;
        }
        if (n - i < len) return false;
        for (size_t k = 1; k < len; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            v = (v << 6) | (cc & 0x3F);
        }
        if ((len == 3 && (v < 0x800 || (v >= 0xD800 && v <= 0xDFFF))) ||
            (len == 4 && (v < 0x10000 || v > 0x10FFFF))) {
            return false;
        }
        i += len;
    }
    return true;
}

std::string EncodeUtf16LE(TextView text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

void ReplaceAll(Text& text, char16_t from, char16_t to) {
    std::replace(text.begin(), text.end(), from, to);
}

Text Replaced(TextView text, char16_t from, char16_t to) {
    Text t(text);
    ReplaceAll(t, from, to);
    return t;
}

namespace {

bool IsSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}
bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

double ParseDecimal(TextView t) {
    size_t i = 0;
    while (i < t.size() && IsSpace(t[i])) ++i;
    std::string ascii;
    bool negative = false;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
        negative = t[i] == u'-';
        ++i;
    }
    size_t intDigits = 0;
    size_t fracDigits = 0;
    std::string intPart;
    std::string fracPart;
    while (i < t.size() && IsDigit(t[i])) {
        intPart.push_back(static_cast<char>(t[i]));
        ++i;
        ++intDigits;
    }
    if (i < t.size() && t[i] == u'.') {
        size_t k = i + 1;
        while (k < t.size() && IsDigit(t[k])) {
            fracPart.push_back(static_cast<char>(t[k]));
            ++k;
            ++fracDigits;
        }
        if (intDigits > 0 || fracDigits > 0) i = k;
    }
    if (intDigits == 0 && fracDigits == 0) return 0.0;
    long long exponent = 0;
    std::string expPart;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        size_t k = i + 1;
        bool expNegative = false;
        if (k < t.size() && (t[k] == u'+' || t[k] == u'-')) {
            expNegative = t[k] == u'-';
            ++k;
        }
        if (k < t.size() && IsDigit(t[k])) {
            while (k < t.size() && IsDigit(t[k])) {
                if (exponent < 100000000) exponent = exponent * 10 + (t[k] - u'0');
                ++k;
            }
            if (expNegative) exponent = -exponent;
            expPart = "e";
            expPart += std::to_string(exponent);
        }
    }
    ascii = intPart.empty() ? "0" : intPart;
    if (!fracPart.empty()) ascii += "." + fracPart;
    ascii += expPart;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value,
                                           std::chars_format::general);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // Decide between overflow and underflow from the decimal magnitude.
        const std::string digits = intPart + fracPart;
        const size_t firstNonZero = digits.find_first_not_of('0');
        if (firstNonZero == std::string::npos) {
            value = 0.0;
        } else {
            const long long magnitude = static_cast<long long>(intPart.size()) -
                                        static_cast<long long>(firstNonZero) + exponent;
            value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        }
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

int32_t ParseInteger(TextView t) {
    size_t i = 0;
    while (i < t.size() && IsSpace(t[i])) ++i;
    bool negative = false;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
        negative = t[i] == u'-';
        ++i;
    }
    int64_t v = 0;
    while (i < t.size() && IsDigit(t[i])) {
        if (v <= int64_t{1} << 40) v = v * 10 + (t[i] - u'0');
        ++i;
    }
    if (negative) v = -v;
    v = std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                            std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(v);
}

Text FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) return u"?";
    // std::to_chars with a precision is exact and locale-independent, like
    // printf in the C locale (round half to even on the binary value).
    char buf[400];
    const auto [ptr, ec] =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) return u"?";
    return Text(buf, ptr);
}

Text FormatInt(int64_t value) {
    char buf[32];
    const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value);
    (void)ec;
    return Text(buf, ptr);
}

Text FormatWholePart(double value) {
    if (!std::isfinite(value)) return u"?";
    double whole = std::trunc(value);
    if (whole == 0) whole = 0;  // no "-0"
    return FormatFixed(whole, 0);
}

char16_t FoldCase(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= 0x0410 && c <= 0x042F) return static_cast<char16_t>(c + 32);
    if (c >= 0x0400 && c <= 0x040F) return static_cast<char16_t>(c + 80);
    return c;
}

bool StartsWithIgnoreCase(TextView text, TextView prefix) {
    if (prefix.size() > text.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (FoldCase(text[i]) != FoldCase(prefix[i])) return false;
    }
    return true;
}

bool LessIgnoreCase(TextView a, TextView b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char16_t x, char16_t y) { return FoldCase(x) < FoldCase(y); });
}

}  // namespace kelvara
