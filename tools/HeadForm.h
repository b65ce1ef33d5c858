#pragma once

#include <QString>
#include <QStringList>

// One headword of a dictd article as its first line writes it, with what the body gives it.
struct HeadForm
{
    QString text;
    QStringList pronunciations; // without the enclosing slashes
    QStringList grammar;        // contents of the <...> groups, e.g. "fem, n, sg"
    QStringList translations;
};
