#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>
#include <optional>

namespace orven::testing {

// The texts of an SVG document run together in document order, or nothing when it is not
// well-formed XML; a chart writes the words of one title as neighbouring text elements.
inline std::optional<QString> svgText(const QByteArray& svg) {
    QXmlStreamReader reader(svg);
    QString text;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isCharacters() && !reader.isWhitespace()) text += reader.text();
    }
    if (reader.hasError()) return std::nullopt;
    return text;
}

}  // namespace orven::testing
