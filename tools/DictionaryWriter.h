#pragma once

#include "FormLinks.h"
#include "ImportEntry.h"
#include "PartSplitter.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// Writes the program's dictionary file: UTF-8, CR LF, "source;translations;remark;" per line,
// with the divider lines "1\\\\\\\\ Trennlinie" .. "3\\\\\\\\ Trennlinie" between the parts.
// The file appears whole or not at all.
class DictionaryWriter
{
public:
    // The program refuses a dictionary with a longer line (line end not counted).
    static constexpr qsizetype MaxLineBytes = 64 * 1024;

    [[nodiscard]] static std::optional<QString> write(const QString &path, const std::vector<ImportEntry> &entries,
                                                      const PartSplitter::Parts &parts);
    [[nodiscard]] static QByteArray line(const ImportEntry &entry);

    // The table of word forms beside a dictionary: "DeEn.forms" beside "DeEn.txt", one line
    // "form;base;base" per form, UTF-8, CR LF. It too appears whole or not at all.
    [[nodiscard]] static QString formsPath(const QString &dictionaryPath);
    [[nodiscard]] static std::optional<QString> writeForms(const QString &path,
                                                           const std::vector<FormLinks::Line> &lines);
    [[nodiscard]] static QByteArray dividerLine(int number);
};
