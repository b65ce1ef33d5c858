#include "DictionaryGenerator.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>

namespace {
const QStringList kSyllables = {
    QStringLiteral("ab"),   QStringLiteral("bar"),    QStringLiteral("bau"),  QStringLiteral("ber"),
    QStringLiteral("chen"), QStringLiteral("da"),     QStringLiteral("ein"),  QStringLiteral("fahr"),
    QStringLiteral("ge"),   QStringLiteral("haus"),   QStringLiteral("kin"),  QStringLiteral("lich"),
    QStringLiteral("mal"),  QStringLiteral("nach"),   QStringLiteral("ober"), QStringLiteral("pf"),
    QStringLiteral("rung"), QStringLiteral("schaft"), QStringLiteral("tag"),  QStringLiteral("un"),
    QStringLiteral("ver"),  QStringLiteral("wer"),    QStringLiteral("zeit"), QStringLiteral("ü"),
    QStringLiteral("ä"),
};
const QStringList kEnglish = {
    QStringLiteral("house"),    QStringLiteral("to drive"), QStringLiteral("child"),    QStringLiteral("time"),
    QStringLiteral("building"), QStringLiteral("day"),      QStringLiteral("after"),    QStringLiteral("upper"),
    QStringLiteral("society"),  QStringLiteral("journey"),  QStringLiteral("friendly"), QStringLiteral("work"),
};
const QStringList kRemarks = {
    QStringLiteral("n, m"), QStringLiteral("n, f"), QStringLiteral("n, n"), QStringLiteral("v"), QStringLiteral("adj"),
};

QString word(QRandomGenerator &rng)
{
    QString w;
    const int count = 2 + int(rng.bounded(3));
    for (int i = 0; i < count; ++i)
        w += kSyllables[int(rng.bounded(kSyllables.size()))];
    return w;
}
}

QString DictionaryGenerator::write(const QString &path)
{
    QRandomGenerator rng(20261207);
    const QString mark(8, QLatin1Char('\\'));
    QString text;
    text.reserve(6 * 1024 * 1024);
    QString lastWord;
    for (int part = 0; part < 4; ++part) {
        // Parts 2 to 4 begin with the rest of their divider line, which counts as a line.
        const int entries = part == 0 ? kLinesPerPart : kLinesPerPart - 1;
        QStringList words;
        words.reserve(entries);
        for (int i = 0; i < entries; ++i)
            words << QString(QChar(u'a' + part * 6)) + word(rng) + QString::number(i);
        std::sort(words.begin(), words.end());
        for (const QString &w : words) {
            text += w;
            text += QLatin1Char(';');
            text += kEnglish[int(rng.bounded(kEnglish.size()))];
            text += QStringLiteral(", ");
            text += kEnglish[int(rng.bounded(kEnglish.size()))];
            text += QLatin1Char(';');
            text += kRemarks[int(rng.bounded(kRemarks.size()))];
            text += QStringLiteral(", /") + w.left(6) + QStringLiteral("/;\r\n");
        }
        lastWord = words.last();
        if (part < 3)
            text += QString::number(part + 1) + mark + QStringLiteral(" Trennlinie\r\n");
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(text.toUtf8());
    return lastWord;
}
