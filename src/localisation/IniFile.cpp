#include "localisation/IniFile.h"

#include "core/TextFile.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <vector>

namespace {
enum class Kind { Other, Section, Key };

// One line of the file as the reader understands it; views into the line's text.
struct Line
{
    Kind kind = Kind::Other;
    QStringView name;
    QStringView value;
};

Line classify(QStringView text)
{
    const QStringView line = text.trimmed();
    if (line.isEmpty() || line.front() == u';' || line.front() == u'#')
        return {};
    if (line.front() == u'[') {
        const qsizetype close = line.indexOf(u']');
        if (close < 0)
            return {};
        return {Kind::Section, line.mid(1, close - 1).trimmed(), {}};
    }
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return {};
    const QStringView key = line.left(eq).trimmed();
    if (key.isEmpty())
        return {};
    return {Kind::Key, key, line.mid(eq + 1).trimmed()};
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool hasLineBreak(QStringView s)
{
    return s.contains(u'\n') || s.contains(u'\r');
}

// Names that would read back as something else, or break the file, are refused.
bool writableSection(QStringView name)
{
    name = name.trimmed();
    return !name.isEmpty() && !name.contains(u']') && !hasLineBreak(name);
}

bool writableKey(QStringView name)
{
    name = name.trimmed();
    return !name.isEmpty() && !name.contains(u'=') && !hasLineBreak(name) && name.front() != u';'
           && name.front() != u'#' && name.front() != u'[';
}

// Every line inside the named sections, headings included: visit(index, line, occurrence)
// where occurrence counts the headings of that name from 0. Stops when visit returns false.
template <class Visit>
void walkSection(const QStringList &lines, QStringView section, Visit visit)
{
    bool inside = false;
    int occurrence = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line line = classify(lines[i]);
        if (line.kind == Kind::Section) {
            inside = sameName(line.name, section);
            if (inside)
                ++occurrence;
        }
        if (inside && !visit(i, line, occurrence))
            return;
    }
}

// The lines to edit: a missing file is an empty one; an unreadable one must not be replaced.
std::optional<QStringList> linesToEdit(const QString &path)
{
    if (!QFileInfo::exists(path))
        return QStringList{};
    return TextFile::readLines(path);
}

bool save(const QString &path, const QStringList &lines)
{
    // QSaveFile renames over the old file, which a read-only mark does not stop (nor does it
    // stop root); the mark is honoured here.
    const QFileInfo info(path);
    if (info.exists() && !info.permissions().testFlag(QFileDevice::WriteOwner))
        return false;
    return TextFile::writeLines(path, lines);
}

QStringList without(const QStringList &lines, const std::vector<bool> &removed)
{
    QStringList kept;
    kept.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!removed[size_t(i)])
            kept.append(lines[i]);
    }
    return kept;
}

void appendSection(QStringList &lines, QStringView section)
{
    if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
        lines.append(QString());
    lines.append(QLatin1Char('[') + section.toString() + QLatin1Char(']'));
}

QString limited(QStringView value)
{
    qsizetype n = std::min<qsizetype>(value.size(), IniFile::kValueLimit);
    // Half of a character outside the basic plane is no character.
    if (n < value.size() && n > 0 && value[n - 1].isHighSurrogate())
        --n;
    return value.left(n).toString();
}
}

QString IniFile::readValue(const QString &path, const QString &section, const QString &key)
{
    const auto lines = TextFile::readLines(path);
    if (!lines)
        return {};
    const QStringView keyName = QStringView(key).trimmed();
    QString value;
    walkSection(*lines, QStringView(section).trimmed(), [&](qsizetype, const Line &line, int) {
        if (line.kind != Kind::Key || !sameName(line.name, keyName))
            return true;
        value = limited(line.value);
        return false;
    });
    return value;
}

QStringList IniFile::readSection(const QString &path, const QString &section)
{
    const auto lines = TextFile::readLines(path);
    if (!lines)
        return {};
    QStringList entries;
    walkSection(*lines, QStringView(section).trimmed(), [&](qsizetype, const Line &line, int) {
        if (line.kind == Kind::Key)
            entries.append(line.name.toString() + u'=' + line.value.toString());
        return true;
    });
    return entries;
}

bool IniFile::writeValue(const QString &path, const QString &section, const QString &key, const QString &value)
{
    if (!writableSection(section) || !writableKey(key) || hasLineBreak(value))
        return false;
    auto lines = linesToEdit(path);
    if (!lines)
        return false;
    const QStringView sectionName = QStringView(section).trimmed();
    const QStringView keyName = QStringView(key).trimmed();

    qsizetype existing = -1;
    qsizetype endOfFirst = -1; // the line after which a new key of the first section goes
    walkSection(*lines, sectionName, [&](qsizetype i, const Line &line, int occurrence) {
        if (occurrence == 0 && line.kind != Kind::Other)
            endOfFirst = i;
        if (line.kind == Kind::Key && sameName(line.name, keyName)) {
            existing = i;
            return false;
        }
        return true;
    });

    if (existing >= 0) {
        QString &line = (*lines)[existing];
        line = line.left(line.indexOf(u'=') + 1) + value;
    } else if (endOfFirst >= 0) {
        lines->insert(endOfFirst + 1, keyName.toString() + u'=' + value);
    } else {
        appendSection(*lines, sectionName);
        lines->append(keyName.toString() + u'=' + value);
    }
    return save(path, *lines);
}

bool IniFile::removeKey(const QString &path, const QString &section, const QString &key)
{
    if (!writableSection(section) || !writableKey(key))
        return false;
    const auto lines = linesToEdit(path);
    if (!lines)
        return false;
    const QStringView keyName = QStringView(key).trimmed();
    std::vector<bool> removed(size_t(lines->size()), false);
    bool any = false;
    walkSection(*lines, QStringView(section).trimmed(), [&](qsizetype i, const Line &line, int) {
        if (line.kind == Kind::Key && sameName(line.name, keyName))
            removed[size_t(i)] = any = true;
        return true;
    });
    return !any || save(path, without(*lines, removed));
}

bool IniFile::removeSection(const QString &path, const QString &section)
{
    if (!writableSection(section))
        return false;
    const auto lines = linesToEdit(path);
    if (!lines)
        return false;
    std::vector<bool> removed(size_t(lines->size()), false);
    bool any = false;
    walkSection(*lines, QStringView(section).trimmed(), [&](qsizetype i, const Line &line, int) {
        if (line.kind != Kind::Other)
            removed[size_t(i)] = any = true;
        return true;
    });
    return !any || save(path, without(*lines, removed));
}

bool IniFile::replaceSection(const QString &path, const QString &section, const QStringList &entries)
{
    if (!writableSection(section))
        return false;
    for (const QString &entry : entries) {
        const Line line = classify(entry);
        if (line.kind != Kind::Key || !writableKey(line.name) || hasLineBreak(entry))
            return false;
    }
    const auto lines = linesToEdit(path);
    if (!lines)
        return false;
    const QStringView sectionName = QStringView(section).trimmed();

    std::vector<bool> removed(size_t(lines->size()), false);
    qsizetype heading = -1;
    qsizetype firstKey = -1;
    walkSection(*lines, sectionName, [&](qsizetype i, const Line &line, int) {
        if (line.kind == Kind::Section && heading < 0)
            heading = i;
        if (line.kind == Kind::Key) {
            removed[size_t(i)] = true;
            if (firstKey < 0)
                firstKey = i;
        }
        return true;
    });

    QStringList result;
    if (heading < 0) {
        result = *lines;
        appendSection(result, sectionName);
        result += entries;
        return save(path, result);
    }
    const qsizetype insertAt = firstKey >= 0 ? firstKey : heading + 1;
    result.reserve(lines->size() + entries.size());
    for (qsizetype i = 0; i <= lines->size(); ++i) {
        if (i == insertAt)
            result += entries;
        if (i < lines->size() && !removed[size_t(i)])
            result.append((*lines)[i]);
    }
    return save(path, result);
}
