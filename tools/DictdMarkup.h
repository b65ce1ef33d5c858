#pragma once

#include <QString>
#include <QStringView>

// The inline markup FreeDict writes into dictd articles: /pronunciation/, <grammar>, [label],
// HTML character references and \uXXXX escapes.
class DictdMarkup
{
public:
    // Index of the slash closing a pronunciation that opens at `at`, or -1. A pronunciation opens
    // with a slash after a blank (or at the start) followed by a non-blank, so "und/oder" and
    // "A / B" are text.
    [[nodiscard]] static qsizetype pronunciationEnd(QStringView text, qsizetype at);
    // Index of the '>' closing a grammar group that opens at `at`, or -1.
    [[nodiscard]] static qsizetype grammarEnd(QStringView text, qsizetype at);
    // Index of the ']' closing a label that opens at `at`, or -1.
    [[nodiscard]] static qsizetype labelEnd(QStringView text, qsizetype at);
    // Removes leading "[label]" groups and the blanks around them.
    [[nodiscard]] static QStringView withoutLeadingLabels(QStringView text);
    // Replaces &nbsp; &#124; &#x7c; &amp; ... and \u2019 by the characters they stand for.
    [[nodiscard]] static QString decodeEscapes(const QString &text);
};
