#pragma once

#include "ImportReport.h"
#include "PartSplitter.h"

#include <QString>

// Imports a FreeDict dictionary in dictd form (.index and .dict.dz) into the program's format.
// Where the source holds more headwords than four parts take, the most useful ones are kept:
// base forms, then phrases, then inflected forms, then sentences; within each, headwords whose
// words occur more often in the source's own headwords and examples first, then those with
// more senses, then shorter ones.
class DictionaryImporter
{
public:
    explicit DictionaryImporter(PartSplitter splitter = PartSplitter());

    [[nodiscard]] ImportResult run(const QString &indexPath, const QString &dataPath, const QString &outputPath) const;

private:
    PartSplitter m_splitter{};
};
