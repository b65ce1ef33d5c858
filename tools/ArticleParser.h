#pragma once

#include "ParsedArticle.h"

#include <QString>

// Parses one dictd article of the FreeDict dictionaries. The first line names the headword(s);
// translations follow on the next line, and, where senses are numbered, on each line that starts
// with the next sense number ("2. ..."). Indented lines are examples, notes and links; other
// lines at the margin are definitions in the source language, which are not translations.
class ArticleParser
{
public:
    [[nodiscard]] static ParsedArticle parse(const QString &article);
};
