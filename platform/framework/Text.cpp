#include "WidgetHandle.h"

#include <QStringDecoder>
#include <array>

namespace {
// Windows-1252 differs from Latin-1 only in 0x80..0x9F; undefined positions stay as they are.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString FromWindows1252(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        auto value = static_cast<unsigned char>(byte);
        text += (value >= 0x80 && value < 0xA0) ? QChar(kCp1252High[value - 0x80]) : QChar(value);
    }
    return text;
}
} // namespace

QString ToQString(const char* text) {
    if (!text) {
        return {};
    }
    QByteArrayView bytes(text);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8.decode(bytes);
    return utf8.hasError() ? FromWindows1252(bytes) : decoded;
}

std::string FromQString(const QString& text) {
    return text.toUtf8().toStdString();
}
