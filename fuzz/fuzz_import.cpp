// The importer's parsers on one dictd pair made of the fuzz input, and the dictionary the
// importer writes from it loaded back by the program's loader.
//
// Input with a NUL: index text NUL article data, taken as they are. Input without: the article
// data, articles cut at form feeds; the index is made here, each article's first word naming it.
#include "FuzzCheck.h"

#include "ArticleParser.h"
#include "DictdIndex.h"
#include "DictdMarkup.h"
#include "DictionaryImporter.h"
#include "HeadLineParser.h"
#include "PartSplitter.h"

#include "dictionary/DictionaryLoader.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
const QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray encodeNumber(qint64 value)
{
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    QByteArray out;
    do {
        out.prepend(digits[value % 64]);
        value /= 64;
    } while (value > 0);
    return out;
}

QByteArray indexFor(const QByteArray &data)
{
    QByteArray index;
    qsizetype start = 0;
    while (start <= data.size()) {
        qsizetype end = data.indexOf('\f', start);
        if (end < 0)
            end = data.size();
        const QByteArray article = data.mid(start, end - start);
        QByteArray headword = article.left(article.indexOf('\n')).simplified();
        if (const qsizetype blank = headword.indexOf(' '); blank >= 0)
            headword.truncate(blank);
        if (headword.isEmpty())
            headword = "x";
        index += headword + '\t' + encodeNumber(start) + '\t' + encodeNumber(end - start) + '\n';
        start = end + 1;
    }
    return index;
}

// The markup scanners at the first few places where markup could open.
void checkMarkup(const QString &text)
{
    int tries = 0;
    for (qsizetype at = 0; at < text.size() && tries < 16; ++at) {
        const QChar c = text[at];
        if (c == u'/') {
            ++tries;
            const qsizetype end = DictdMarkup::pronunciationEnd(text, at);
            FUZZ_CHECK(end < 0 || (end > at + 1 && text[end] == u'/'), text);
        } else if (c == u'<') {
            ++tries;
            const qsizetype end = DictdMarkup::grammarEnd(text, at);
            FUZZ_CHECK(end < 0 || (end > at + 1 && text[end] == u'>'), text);
        } else if (c == u'[') {
            ++tries;
            const qsizetype end = DictdMarkup::labelEnd(text, at);
            FUZZ_CHECK(end < 0 || (end > at + 1 && text[end] == u']'), text);
        }
    }
    const QStringView unlabelled = DictdMarkup::withoutLeadingLabels(text);
    FUZZ_CHECK(unlabelled.size() <= text.size(), text);
    FUZZ_CHECK(DictdMarkup::decodeEscapes(text).size() <= text.size(), text);
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype nul = input.indexOf('\0');
    const QByteArray articles = nul < 0 ? input : input.mid(nul + 1);
    const QByteArray index = nul < 0 ? indexFor(articles) : input.left(nul);

    const QString text = QString::fromUtf8(articles);
    checkMarkup(text);
    // The head line alone too: an article's first line can be as long as the whole input.
    (void)HeadLineParser::parse(QStringView(text).left(text.indexOf(u'\n')));
    (void)ArticleParser::parse(text);

    const QString indexPath = folder().filePath(QStringLiteral("fuzz.index"));
    const QString dataPath = folder().filePath(QStringLiteral("fuzz.dict"));
    const QString outputPath = folder().filePath(QStringLiteral("out.txt"));
    if (!writeFile(indexPath, index) || !writeFile(dataPath, articles))
        fuzzFail("cannot write the dictd pair", folder().path());
    QFile::remove(outputPath);

    // Small parts, so that the plan has to cut letters and leave entries out.
    const PartSplitter::Parts capacities = size % 2 ? PartSplitter::Parts{4, 3, 3, 3} : PartSplitter::DefaultCapacities;
    const ImportResult result = DictionaryImporter(PartSplitter(capacities)).run(indexPath, dataPath, outputPath);
    if (result.error)
        return 0;

    const DictionaryLoad load = DictionaryLoader::load(outputPath);
    FUZZ_CHECK(load.ok(), QString::number(int(load.status)));
    for (int k = 0; k < DictionaryLoader::kPartCount; ++k) {
        FUZZ_CHECK(result.report.parts[k] <= capacities[k], QString::number(k));
        // Parts 2 to 4 begin with the rest of their divider line, " Trennlinie".
        const qsizetype expected = result.report.parts[k] + (k > 0 ? 1 : 0);
        FUZZ_CHECK(load.parts[k].size() == expected,
                   QStringLiteral("part %1: %2 lines, %3 written").arg(k).arg(load.parts[k].size()).arg(expected));
    }
    return 0;
}
