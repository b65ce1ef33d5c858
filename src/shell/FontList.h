#pragma once

#include <QFont>
#include <QStringList>

#include <functional>

// The screen fonts of the desktop. Tests answer the list.
class FontList
{
public:
    // The face every window was designed in.
    static inline const QString kDesignFace = QStringLiteral("MS Sans Serif");

    using Handler = std::function<QStringList()>;

    // Every installed family, in the order the desktop reports them.
    static QStringList families();
    // A face name as the design or a country file gives it, made usable here: a design face that
    // is not installed ("MS Sans Serif", "Tahoma") becomes an installed face of about its
    // measures (Liberation Sans), any other face not installed the desktop's sans serif.
    static QString resolve(const QString &face);
    // The font with its face replaced, size, weight and style kept.
    static QFont withFace(const QFont &font, const QString &face);
    // An empty handler restores the desktop's list.
    static void setHandler(Handler handler);
};
