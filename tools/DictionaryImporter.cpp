#include "DictionaryImporter.h"

#include "ArticleParser.h"
#include "CollationKey.h"
#include "DictdData.h"
#include "DictdIndex.h"
#include "DictionaryWriter.h"
#include "FormLinks.h"
#include "HeadwordTable.h"

#include <QSet>

#include <algorithm>
#include <map>
#include <numeric>

namespace {

constexpr int SampleCount = 8;

// dictfmt stores the database's own description under headwords such as "00-database-info".
bool isDatabaseInfo(const QString &headword)
{
    return headword.startsWith(QLatin1String("00database")) || headword.startsWith(QLatin1String("00-database"));
}

bool ranksBefore(const ImportEntry &a, const ImportEntry &b)
{
    if (a.tier != b.tier)
        return a.tier < b.tier;
    if (a.usefulness != b.usefulness)
        return a.usefulness > b.usefulness;
    if (a.senses != b.senses)
        return a.senses > b.senses;
    return a.source.size() < b.source.size();
}

// Reads every article once (several headwords of one article share its offset) into a table.
std::optional<QString> readArticles(const QString &indexPath, const QString &dataPath, HeadwordTable &table,
                                    ImportReport &report)
{
    const DictdIndexResult index = DictdIndex::read(indexPath);
    if (index.error)
        return index.error;
    const DictdDataResult data = DictdData::read(dataPath);
    if (data.error)
        return data.error;
    report.indexLines = int(index.entries.size());

    QSet<QPair<qint64, qint64>> seen;
    for (const DictdIndexEntry &entry : index.entries) {
        if (isDatabaseInfo(entry.headword))
            continue;
        if (entry.offset + entry.length > data.data.size()) {
            return QStringLiteral("%1:%2: index entry \"%3\" points past the end of %4 (offset %5, length %6, "
                                  "%7 bytes of text)")
                .arg(indexPath)
                .arg(entry.line)
                .arg(entry.headword, dataPath)
                .arg(entry.offset)
                .arg(entry.length)
                .arg(data.data.size());
        }
        if (seen.contains({entry.offset, entry.length}))
            continue;
        seen.insert({entry.offset, entry.length});
        table.add(ArticleParser::parse(QString::fromUtf8(data.data.constData() + entry.offset, entry.length)));
    }
    report.articles = int(seen.size());
    report.headwords = table.headwordCount();
    report.mergedSenses = table.senseCount() - table.headwordCount();
    return std::nullopt;
}

// A line without translation would make the program speak the remark in its place: dropped.
// So is a line longer than the program loads, which would make it refuse the whole file.
std::vector<ImportEntry> entriesWithTranslation(const HeadwordTable &table, ImportReport &report)
{
    std::vector<ImportEntry> entries;
    for (ImportEntry &entry : table.entries()) {
        if (entry.translations.isEmpty()) {
            ++report.withoutTranslation;
            if (report.withoutTranslationSamples.size() < SampleCount)
                report.withoutTranslationSamples.append(entry.source);
            continue;
        }
        if (DictionaryWriter::line(entry).size() - 2 > DictionaryWriter::MaxLineBytes) {
            ++report.tooLong;
            continue;
        }
        if (entry.bareVerb) {
            ++report.bareVerbs;
            if (report.bareVerbSamples.size() < SampleCount)
                report.bareVerbSamples.append(entry.source);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

// The entries that go into the file, in file order; report.parts receives the part sizes.
std::vector<ImportEntry> arrangeInParts(std::vector<ImportEntry> entries, const PartSplitter &splitter,
                                        ImportReport &report)
{
    std::vector<CollationKey> keys;
    keys.reserve(entries.size());
    for (const ImportEntry &entry : entries)
        keys.emplace_back(entry.source);

    // Letters in sort order; part boundaries fall between them.
    std::map<QChar, int> letterIds;
    for (const CollationKey &key : keys)
        letterIds.emplace(key.letter(), 0);
    int nextId = 0;
    for (auto &[letter, id] : letterIds)
        id = nextId++;
    std::vector<int> letterOf(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        letterOf[i] = letterIds.at(keys[i].letter());

    std::vector<size_t> ranked(entries.size());
    std::iota(ranked.begin(), ranked.end(), size_t(0));
    std::stable_sort(ranked.begin(), ranked.end(), [&](size_t a, size_t b) {
        if (ranksBefore(entries[a], entries[b]))
            return true;
        if (ranksBefore(entries[b], entries[a]))
            return false;
        return keys[a] < keys[b];
    });

    std::vector<PartSplitter::Letter> letters(letterIds.size());
    for (size_t i = 0; i < entries.size(); ++i)
        ++letters[letterOf[i]].byTier[int(entries[i].tier)];
    const auto &capacities = splitter.capacities();
    const size_t room = size_t(std::accumulate(capacities.begin(), capacities.end(), 0));
    for (size_t r = 0; r < std::min(room, ranked.size()); ++r)
        ++letters[letterOf[ranked[r]]].preferred;
    const PartSplitter::Plan plan = splitter.plan(letters);

    // Each part keeps the most useful entries of its letters; a letter spread over several
    // parts keeps them for all its parts together and is then cut in sort order.
    std::vector<bool> kept(entries.size(), false);
    std::vector<size_t> fileOrder;
    for (int part = 0; part < PartSplitter::PartCount;) {
        const PartSplitter::Part &first = plan[part];
        const bool oneLetter = first.endLetter - first.firstLetter == 1;
        int lines = 0;
        int next = part;
        while (next < PartSplitter::PartCount && plan[next].firstLetter == first.firstLetter
               && plan[next].endLetter == first.endLetter && (next == part || oneLetter)) {
            report.parts[next] = plan[next].entries;
            lines += plan[next].entries;
            ++next;
        }
        std::vector<size_t> chosen;
        for (size_t i : ranked) {
            if (int(chosen.size()) == lines)
                break;
            if (letterOf[i] >= first.firstLetter && letterOf[i] < first.endLetter)
                chosen.push_back(i);
        }
        std::sort(chosen.begin(), chosen.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
        for (size_t i : chosen)
            kept[i] = true;
        fileOrder.insert(fileOrder.end(), chosen.begin(), chosen.end());
        part = next;
    }

    for (size_t i : ranked) {
        if (kept[i])
            continue;
        const int tier = int(entries[i].tier);
        ++report.leftOut[tier];
        if (report.leftOutSamples[tier].size() < SampleCount)
            report.leftOutSamples[tier].append(entries[i].source);
    }
    std::vector<ImportEntry> arranged;
    arranged.reserve(fileOrder.size());
    for (size_t i : fileOrder) {
        if (entries[i].bareVerb)
            ++report.bareVerbsWritten;
        arranged.push_back(std::move(entries[i]));
    }
    return arranged;
}

} // namespace

DictionaryImporter::DictionaryImporter(PartSplitter splitter) : m_splitter(splitter) {}

ImportResult DictionaryImporter::run(const QString &indexPath, const QString &dataPath, const QString &outputPath) const
{
    ImportResult result;
    std::vector<ImportEntry> entries;
    {
        HeadwordTable table;
        result.error = readArticles(indexPath, dataPath, table, result.report);
        if (result.error)
            return result;
        entries = entriesWithTranslation(table, result.report);
    }
    FormLinks forms;
    for (ImportEntry &entry : entries) {
        if (entry.tier == EntryTier::InflectedForm)
            forms.add(entry);
    }
    const std::vector<ImportEntry> arranged = arrangeInParts(std::move(entries), m_splitter, result.report);
    const std::vector<FormLinks::Line> formLines = forms.lines(arranged);
    result.report.formsLinked = forms.size();
    result.report.formsWritten = int(formLines.size());
    for (size_t i = 0; i < formLines.size() && result.report.formSamples.size() < SampleCount;
         i += formLines.size() / SampleCount + 1)
        result.report.formSamples.append(formLines[i].form + QStringLiteral(" → ")
                                         + formLines[i].bases.join(QStringLiteral("/")));
    result.error = DictionaryWriter::write(outputPath, arranged, result.report.parts);
    if (!result.error)
        result.error = DictionaryWriter::writeForms(DictionaryWriter::formsPath(outputPath), formLines);
    return result;
}
