#include "speech/VoiceCatalogue.h"

#include <QFile>
#include <QRegularExpression>

namespace {
bool isUsableField(QStringView field, bool alias)
{
    if (field.isEmpty() || field.size() > VoiceCatalogue::kMaxFieldLength)
        return false;
    for (const QChar c : field) {
        const bool allowed =
            (c.unicode() < 0x80 && c.isLetterOrNumber()) || c == u'-' || c == u'_' || c == u'+' || (alias && c == u'.');
        if (!allowed)
            return false;
    }
    return true;
}

// Voices whose identifier starts with "mb/" need mbrola, which is not installed; the "/"
// already keeps them out.
bool isUsableLine(const QStringList &fields)
{
    if (fields.size() < 2 || fields.size() > 3)
        return false;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (!isUsableField(fields.at(i), i == 0))
            return false;
    }
    return true;
}
}

QString VoiceCatalogue::Voice::espeakName() const
{
    return variant.isEmpty() ? language : language + QLatin1Char('+') + variant;
}

bool VoiceCatalogue::load(const QString &path)
{
    m_voices.clear();
    m_current = -1;
    m_error.clear();
    m_rejected.clear();

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_error = file.errorString();
        return false;
    }
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1String("//")))
            continue;
        const QStringList fields = line.split(blanks, Qt::SkipEmptyParts);
        if (!isUsableLine(fields)) {
            m_rejected.append(lineNumber);
            m_error = QStringLiteral("%1:%2: unusable voice line").arg(path).arg(lineNumber);
            continue;
        }
        if (indexOf(fields.at(0)) >= 0)
            continue;
        m_voices.append({fields.at(0), fields.at(1), fields.value(2)});
    }
    if (!m_voices.isEmpty())
        m_current = 0;
    return true;
}

QString VoiceCatalogue::errorString() const
{
    return m_error;
}

QList<int> VoiceCatalogue::rejectedLines() const
{
    return m_rejected;
}

qsizetype VoiceCatalogue::count() const
{
    return m_voices.size();
}

QStringList VoiceCatalogue::aliases() const
{
    QStringList result;
    result.reserve(m_voices.size());
    for (const auto &voice : m_voices)
        result.append(voice.alias);
    return result;
}

QString VoiceCatalogue::alias(qsizetype index) const
{
    return index >= 0 && index < m_voices.size() ? m_voices.at(index).alias : QString();
}

std::optional<VoiceCatalogue::Voice> VoiceCatalogue::find(QStringView alias) const
{
    const auto index = indexOf(alias);
    return index >= 0 ? std::optional<Voice>(m_voices.at(index)) : std::nullopt;
}

qsizetype VoiceCatalogue::indexOf(QStringView alias) const
{
    for (qsizetype i = 0; i < m_voices.size(); ++i) {
        if (alias.compare(m_voices.at(i).alias, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

std::optional<VoiceCatalogue::Voice> VoiceCatalogue::firstOfLanguage(QStringView language) const
{
    if (language.isEmpty())
        return std::nullopt;
    for (const Voice &voice : m_voices) {
        const QStringView own(voice.language);
        if (own.compare(language, Qt::CaseInsensitive) == 0
            || (own.size() > language.size() && own.at(language.size()) == u'-'
                && own.startsWith(language, Qt::CaseInsensitive)))
            return voice;
    }
    return std::nullopt;
}

qsizetype VoiceCatalogue::currentIndex() const
{
    return m_current;
}

bool VoiceCatalogue::setCurrentIndex(qsizetype index)
{
    if (index < 0 || index >= m_voices.size())
        return false;
    m_current = index;
    return true;
}

std::optional<VoiceCatalogue::Voice> VoiceCatalogue::current() const
{
    return m_current >= 0 ? std::optional<Voice>(m_voices.at(m_current)) : std::nullopt;
}
