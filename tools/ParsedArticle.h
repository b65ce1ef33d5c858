#pragma once

#include "HeadForm.h"

#include <QStringList>

#include <vector>

// What one dictd article holds that the import uses.
struct ParsedArticle
{
    std::vector<HeadForm> forms;
    bool marked = false; // colloquial, dated, rare, regional ...: not the first sense to give
    int examples = 0;
    QStringList exampleTexts; // the source-language side of the examples
    // The headwords its "see:" lines point to ("ging ... see: {gehen}"); only for an article
    // with a headword without word class, which may be an inflected form.
    QStringList links;
};
