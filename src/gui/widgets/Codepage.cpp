#include "gui/widgets/Codepage.h"

#include "core/base/Cp1252.h"

#include <QList>

namespace tq::ui {

QString fromCp1252(const std::string& bytes)
{
    QString text;
    text.resize(static_cast<qsizetype>(bytes.size()));
    QChar* out = text.data();
    for (const char ch : bytes)
        *out++ = QChar(static_cast<char16_t>(cp1252CharOf(static_cast<unsigned char>(ch))));
    return text;
}

std::string toCp1252(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    // Iterating by code point turns a surrogate pair into one '?', not two.
    for (const uint c : text.toUcs4())
        bytes.push_back(cp1252ByteFor(static_cast<char32_t>(c)));
    return bytes;
}

std::string toCp1252Units(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        bytes.push_back(c.isSurrogate() ? '?' : cp1252ByteFor(c.unicode()));
    return bytes;
}

QString charactersOutsideCp1252(const QString& text)
{
    QString outside;
    for (const uint c : text.toUcs4())
        if (c != '?' && cp1252ByteFor(static_cast<char32_t>(c)) == '?')
            outside += QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
    return outside;
}

} // namespace tq::ui
