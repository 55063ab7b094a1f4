#include "order/Text1252.h"

#include "platform/Cp1252.h"

#include <QList>
#include <QStringView>

QByteArray ToCp1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    // Code points, so a character beyond the BMP becomes one '?', and a lone surrogate one as well.
    for (uint c : QStringView(text).toUcs4()) {
        const auto b = platform::Cp1252FromUnicode(static_cast<char32_t>(c));
        bytes.append(static_cast<char>(b ? *b : '?'));
    }
    return bytes;
}

QString FromCp1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes)
        text.append(QChar(static_cast<char16_t>(platform::UnicodeFromCp1252(static_cast<unsigned char>(b)))));
    return text;
}

bool IsCp1252Char(char32_t c) {
    return platform::IsCp1252Representable(c);
}
