#include "shell/FontList.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace {
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
    if (!trimmed.isEmpty() && families().contains(trimmed, Qt::CaseInsensitive))
        return trimmed;
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
