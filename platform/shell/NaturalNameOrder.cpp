#include "NaturalNameOrder.h"

#include <QChar>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Invalid bytes map above every Unicode code point, so they sort after the letters.
constexpr char32_t InvalidByteBase = 0x110000;

char32_t DecodeUtf8(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || at + length > text.size()) {
        ++at;
        return InvalidByteBase + lead;
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            ++at;
            return InvalidByteBase + lead;
        }
        code = (code << 6) | (next & 0x3F);
    }
    at += length;
    return code;
}

char32_t Folded(char32_t code) {
    return code < InvalidByteBase ? QChar::toCaseFolded(code) : code;
}

// Compares the digit runs that start at the two positions and moves past them.
int CompareDigitRuns(std::string_view left, std::size_t& l, std::string_view right,
                     std::size_t& r) {
    while (l < left.size() && left[l] == '0') {
        ++l;
    }
    while (r < right.size() && right[r] == '0') {
        ++r;
    }
    const std::size_t leftStart = l;
    const std::size_t rightStart = r;
    while (l < left.size() && IsDigit(left[l])) {
        ++l;
    }
    while (r < right.size() && IsDigit(right[r])) {
        ++r;
    }
    const std::size_t leftDigits = l - leftStart;
    const std::size_t rightDigits = r - rightStart;
    if (leftDigits != rightDigits) {
        return leftDigits < rightDigits ? -1 : 1;
    }
    return left.substr(leftStart, leftDigits).compare(right.substr(rightStart, rightDigits));
}

} // namespace

int NaturalNameOrder::Compare(std::string_view left, std::string_view right) {
    std::size_t l = 0;
    std::size_t r = 0;
    while (l < left.size() && r < right.size()) {
        if (IsDigit(left[l]) && IsDigit(right[r])) {
            if (const int order = CompareDigitRuns(left, l, right, r)) {
                return order;
            }
            continue;
        }
        const char32_t leftCode = Folded(DecodeUtf8(left, l));
        const char32_t rightCode = Folded(DecodeUtf8(right, r));
        if (leftCode != rightCode) {
            return leftCode < rightCode ? -1 : 1;
        }
    }
    if (l < left.size() || r < right.size()) {
        return l < left.size() ? 1 : -1;
    }
    const int bytes = left.compare(right);
    return bytes < 0 ? -1 : bytes > 0 ? 1 : 0;
}
