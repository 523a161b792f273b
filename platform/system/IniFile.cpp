#include "IniFile.h"

#include <QStringDecoder>
#include <fstream>
#include <iterator>
#include <strings.h>

namespace {
constexpr std::string_view kWhitespace = " \t\r\n\v\f";

std::string_view Trim(std::string_view text) {
    std::size_t first = text.find_first_not_of(kWhitespace);
    if (first == std::string_view::npos) {
        return {};
    }
    std::size_t last = text.find_last_not_of(kWhitespace);
    return text.substr(first, last - first + 1);
}

bool SameName(std::string_view left, std::string_view right) {
    return left.size() == right.size() && strncasecmp(left.data(), right.data(), left.size()) == 0;
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string DecodeUtf16(std::string_view bytes, QStringDecoder::Encoding encoding) {
    QStringDecoder decoder(encoding);
    QString text =
        decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return text.toUtf8().toStdString();
}
} // namespace

IniFile IniFile::Load(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return FromBytes(bytes);
}

IniFile IniFile::FromBytes(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return IniFile(std::string(bytes.substr(3)));
    }
    if (bytes.starts_with("\xFF\xFE")) {
        return IniFile(DecodeUtf16(bytes.substr(2), QStringDecoder::Utf16LE));
    }
    if (bytes.starts_with("\xFE\xFF")) {
        return IniFile(DecodeUtf16(bytes.substr(2), QStringDecoder::Utf16BE));
    }
    return IniFile(std::string(bytes));
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    std::string_view text = m_text;
    bool inSection = false;
    bool sectionSeen = false;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

        if (line.starts_with('[')) {
            std::size_t close = line.find(']');
            bool matches = close != std::string_view::npos &&
                           SameName(Trim(line.substr(1, close - 1)), section);
            inSection = matches && !sectionSeen;
            sectionSeen = sectionSeen || matches;
            continue;
        }
        std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos) {
            continue;
        }
        if (SameName(Trim(line.substr(0, equals)), key)) {
            return std::string(Unquote(Trim(line.substr(equals + 1))));
        }
    }
    return std::nullopt;
}
