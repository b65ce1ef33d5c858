#include "localisation/HelpPage.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {
bool isPage(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == u"htm" || suffix == u"html" || suffix == u"txt";
}

bool isInside(const QString &path, const QString &directory)
{
    return path.startsWith(directory + QLatin1Char('/'));
}
}

QString HelpPage::file(const QString &programDirectory, const QString &value)
{
    QString relative = value;
    // One leading separator is the design's way of writing "below the program directory"; two
    // ("//host", "\\server") or a drive, scheme or home prefix ("C:", "file:", "~") are not.
    if (relative.startsWith(u'\\'))
        relative.remove(0, 1);
    if (relative.isEmpty() || relative.startsWith(u'/') || relative.startsWith(u'\\') || relative.startsWith(u'~')
        || relative.contains(u':'))
        return {};
    for (const QChar c : relative)
        if (c.category() == QChar::Other_Control)
            return {};
    const QStringList parts = relative.split(QRegularExpression(QStringLiteral("[/\\\\]")), Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.contains(QStringLiteral("..")) || !isPage(parts.last()))
        return {};

    const QString base = QFileInfo(programDirectory).canonicalFilePath();
    if (base.isEmpty())
        return {};
    const QString page = QDir(programDirectory).filePath(parts.join(u'/'));
    // Links are followed: where they lead must still be a page below the program directory.
    const QString target = QFileInfo(page).canonicalFilePath();
    if (target.isEmpty() || !isInside(target, base) || !isPage(target) || !QFileInfo(target).isFile())
        return {};
    return page;
}

QUrl HelpPage::webAddress(const QString &value)
{
    const QUrl url(value.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != u"http" && scheme != u"https") || url.host().isEmpty())
        return {};
    return url;
}

QUrl HelpPage::homePage(const QString &programDirectory, const QString &value)
{
    if (const QUrl web = webAddress(value); !web.isEmpty())
        return web;
    const QString page = file(programDirectory, value);
    return page.isEmpty() ? QUrl() : QUrl::fromLocalFile(page);
}
