#include "shell/FontList.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>

namespace {
// The design's faces, which this desktop lacks, and faces of about their measures that may be
// installed: the captions were made to fit them.
const QHash<QString, QStringList> &standIns()
{
    static const QStringList narrowSans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                        QStringLiteral("Arial")};
    static const QHash<QString, QStringList> faces{{QStringLiteral("ms sans serif"), narrowSans},
                                                   {QStringLiteral("microsoft sans serif"), narrowSans},
                                                   {QStringLiteral("tahoma"), narrowSans}};
    return faces;
}

FontList::Handler &handler()
{
    static FontList::Handler h;
    return h;
}
}

QStringList FontList::families()
{
    return handler() ? handler()() : QFontDatabase::families();
}

QString FontList::resolve(const QString &face)
{
    const QString trimmed = face.trimmed();
    const QStringList installed = families();
    if (!trimmed.isEmpty() && installed.contains(trimmed, Qt::CaseInsensitive))
        return trimmed;
    for (const QString &standIn : standIns().value(trimmed.toLower()))
        if (installed.contains(standIn, Qt::CaseInsensitive))
            return standIn;
    // What the desktop gives for a sans serif request.
    QFont sans;
    sans.setStyleHint(QFont::SansSerif);
    sans.setFamilies({QStringLiteral("sans-serif")});
    return QFontInfo(sans).family();
}

QFont FontList::withFace(const QFont &font, const QString &face)
{
    QFont changed = font;
    changed.setFamilies({resolve(face)});
    return changed;
}

void FontList::setHandler(Handler h)
{
    handler() = std::move(h);
}
