#pragma once

#include <QString>

// A text and the language it is written in ("de", "en", ...), carried together so that the
// text is spoken by a voice of its own language. The design texts are German.
struct LocalText
{
    static inline const QString kGerman = QStringLiteral("de");

    QString text;
    QString language = kGerman;

    // Data written after a text (a file name, a path) is read along in the text's language.
    LocalText operator+(const QString &more) const { return {text + more, language}; }
    bool operator==(const LocalText &) const = default;
};
