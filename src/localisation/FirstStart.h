#pragma once

#include <QString>
#include <QStringList>

// Tells the first start of a program directory from a later one. The first start leaves its
// default settings files in "syso"; a directory holding none of them was never set up. The
// stored country does not count: the user may delete it, and the next start still is a later one.
class FirstStart
{
public:
    // Relative to the program directory, in the order the first start writes them.
    static inline const QString kOptionen = QStringLiteral("syso/optionen.chk");
    static inline const QString kOptionen1 = QStringLiteral("syso/optionen1.chk");
    static inline const QString kUpdateDatum = QStringLiteral("syso/update-datum.chk");
    static inline const QString kLetztesUpdate = QStringLiteral("syso/LetztesUpdate-Datum.chk");

    static bool isFirst();
    // A program directory as shipped has no "syso": made here, so that the first start can
    // leave its files. False when it cannot be made.
    [[nodiscard]] static bool makeSettingsFolder();
};
