#pragma once

#include <QString>
#include <QStringView>

// Makes text safe as one field of a dictionary line.
//  - ";" separates fields, so a ";" inside a field becomes ",";
//  - line breaks, tabs and other control characters become blanks: a line is one entry;
//  - eight backslashes in a row are the divider mark that cuts the dictionary into parts,
//    so longer runs are cut down to seven;
//  - blanks are collapsed and trimmed.
class FieldText
{
public:
    static constexpr int MaxBackslashRun = 7;
    [[nodiscard]] static QString clean(QStringView text);
};
