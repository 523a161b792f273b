#include "Rar4NameDecoder.h"

#include "Utf8.h"

namespace {

// Windows-1252, the code page releases are usually written in, for bytes 0x80 to 0x9F.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

std::string utf16ToUtf8(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            unit = 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            unit = 0xFFFD;
        }
        Utf8::append(out, unit);
    }
    return out;
}

} // namespace

std::string Rar4NameDecoder::decode(const std::string& field, bool unicodeFlag) {
    const std::size_t nul = field.find('\0');
    if (unicodeFlag && nul != std::string::npos) {
        return utf16ToUtf8(decodeCompact(field.substr(0, nul), field.substr(nul + 1)));
    }
    const std::string name = field.substr(0, nul);
    return Utf8::isValid(name) ? name : legacyToUtf8(name);
}

std::u16string Rar4NameDecoder::decodeCompact(const std::string& ascii,
                                              const std::string& encoded) {
    auto byteAt = [](const std::string& text, std::size_t at) -> unsigned {
        return at < text.size() ? static_cast<unsigned char>(text[at]) : 0U;
    };
    std::u16string out;
    const std::size_t limit = 2048;
    std::size_t at = 0;
    const unsigned highByte = byteAt(encoded, at++);
    unsigned flags = 0;
    int flagBits = 0;
    while (at < encoded.size() && out.size() < limit) {
        if (flagBits == 0) {
            flags = byteAt(encoded, at++);
            flagBits = 8;
        }
        flagBits -= 2;
        switch ((flags >> flagBits) & 3) {
        case 0:
            out += static_cast<char16_t>(byteAt(encoded, at++));
            break;
        case 1:
            out += static_cast<char16_t>(byteAt(encoded, at++) + (highByte << 8));
            break;
        case 2:
            out += static_cast<char16_t>(byteAt(encoded, at) + (byteAt(encoded, at + 1) << 8));
            at += 2;
            break;
        default: {
            unsigned length = byteAt(encoded, at++);
            if (length & 0x80) {
                const unsigned correction = byteAt(encoded, at++);
                for (length = (length & 0x7F) + 2; length > 0 && out.size() < limit; --length) {
                    out += static_cast<char16_t>(((byteAt(ascii, out.size()) + correction) & 0xFF) +
                                                 (highByte << 8));
                }
            } else {
                for (length += 2; length > 0 && out.size() < limit; --length) {
                    out += static_cast<char16_t>(byteAt(ascii, out.size()));
                }
            }
            break;
        }
        }
    }
    while (!out.empty() && out.back() == 0) {
        out.pop_back();
    }
    return out;
}

std::string Rar4NameDecoder::legacyToUtf8(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        Utf8::append(out, byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte);
    }
    return out;
}
