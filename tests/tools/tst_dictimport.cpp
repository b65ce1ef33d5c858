// Dictionary import from FreeDict dictd files: small dictd pairs are written here, imported,
// and the result is read back the way the program's loader reads it.

#include "ArticleParser.h"
#include "BareVerb.h"
#include "CollationKey.h"
#include "DictdIndex.h"
#include "DictionaryImporter.h"
#include "FieldText.h"
#include "FormLinks.h"
#include "HeadwordTable.h"
#include "PartSplitter.h"

#include "dictionary/DictionaryLoader.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <zlib.h>

#include <future>
#include <numeric>
#include <thread>

namespace {

const QByteArray Mark(8, '\\');

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

bool writeGzip(const QString &path, const QByteArray &bytes)
{
    gzFile file = gzopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    const bool written = bytes.isEmpty() || gzwrite(file, bytes.constData(), unsigned(bytes.size())) == bytes.size();
    return gzclose(file) == Z_OK && written;
}

struct DictdPair
{
    QString index;
    QString data;
};

// One article per string; the first line names the headword, as FreeDict writes it.
DictdPair writeDictd(const QString &folder, const QStringList &articles)
{
    QByteArray data;
    QByteArray index;
    for (const QString &article : articles) {
        const QByteArray bytes = article.toUtf8();
        index += article.section(u' ', 0, 0).section(u'\n', 0, 0).toLower().toUtf8() + '\t' + encodeNumber(data.size())
                 + '\t' + encodeNumber(bytes.size()) + '\n';
        data += bytes;
    }
    const DictdPair pair{folder + QStringLiteral("/test.index"), folder + QStringLiteral("/test.dict.dz")};
    QFile indexFile(pair.index);
    if (!indexFile.open(QIODevice::WriteOnly) || indexFile.write(index) != index.size() || !writeGzip(pair.data, data))
        qFatal("cannot write the test dictionary");
    return pair;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The parts as the program loads them: split at every divider mark, each piece at CR LF,
// the piece's last element dropped, empty elements skipped.
QList<QStringList> loadParts(const QByteArray &file)
{
    QList<QStringList> parts;
    const QString text = QString::fromUtf8(file);
    const QStringList pieces = text.split(QString::fromLatin1(Mark));
    for (qsizetype k = 0; k < pieces.size() && k < PartSplitter::PartCount; ++k) {
        QStringList elements = pieces[k].split(QStringLiteral("\r\n"));
        elements.removeLast();
        elements.removeAll(QString());
        parts.append(elements);
    }
    return parts;
}

// The entry lines of all parts, without the divider texts that begin parts 2 to 4.
QStringList entryLines(const QList<QStringList> &parts)
{
    QStringList lines;
    for (qsizetype k = 0; k < parts.size(); ++k)
        lines += k == 0 ? parts[k] : parts[k].mid(1);
    return lines;
}

// Runs work on a thread of its own and waits at most the limit; a run that does not finish is
// left behind (the test fails, and the process end takes the thread with it).
template <typename Work>
auto finishedWithin(std::chrono::seconds limit, Work work) -> std::optional<decltype(work())>
{
    auto task = std::make_shared<std::packaged_task<decltype(work())()>>(std::move(work));
    auto done = task->get_future();
    std::thread([task] { (*task)(); }).detach();
    if (done.wait_for(limit) != std::future_status::ready)
        return std::nullopt;
    return done.get();
}

} // namespace

class TestDictImport : public QObject
{
    Q_OBJECT

private slots:
    void collation_data();
    void collation();
    void letter_data();
    void letter();
    void fieldText_data();
    void fieldText();
    void bareVerb_data();
    void bareVerb();
    void articles_data();
    void articles();
    void hostileArticles_data();
    void hostileArticles();
    void formTable_data();
    void formTable();
    void entryWithoutTranslation();
    void eightBackslashesNeverSplitTheFile();
    void fourPartsAtLetterBoundaries();
    void partPlan_data();
    void partPlan();
    void moreEntriesThanFit();
    void badInput_data();
    void badInput();
    void commandLine_data();
    void commandLine();
    void indexNumbers_data();
    void indexNumbers();
};

void TestDictImport::collation_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("umlaut beside its base letter, not after z")
        << QStringLiteral("Äpfel") << QStringLiteral("Apfelbaum");
    QTest::newRow("ö = o") << QStringLiteral("Öl") << QStringLiteral("Ozean");
    QTest::newRow("ü = u") << QStringLiteral("übel") << QStringLiteral("Uhr");
    QTest::newRow("ß = ss") << QStringLiteral("Maß") << QStringLiteral("Masse");
    QTest::newRow("ss before t") << QStringLiteral("Masse") << QStringLiteral("Mast");
    QTest::newRow("case ignored") << QStringLiteral("affe") << QStringLiteral("Apfel");
    QTest::newRow("tie: lower case first") << QStringLiteral("apfel") << QStringLiteral("Apfel");
    QTest::newRow("tie: plain before umlaut") << QStringLiteral("Bar") << QStringLiteral("Bär");
    QTest::newRow("tie: ss before ß") << QStringLiteral("Strasse") << QStringLiteral("Straße");
    QTest::newRow("umlaut tie does not outweigh a later letter") << QStringLiteral("Bär") << QStringLiteral("Bart");
    QTest::newRow("accented vowel beside its base") << QStringLiteral("árbol") << QStringLiteral("arco");
    QTest::newRow("tie: plain before accented") << QStringLiteral("el") << QStringLiteral("él");
    QTest::newRow("ñ after every n") << QStringLiteral("nunca") << QStringLiteral("ñandú");
    QTest::newRow("ñ before o") << QStringLiteral("ñandú") << QStringLiteral("oso");
    QTest::newRow("cana, canoa, caña") << QStringLiteral("canoa") << QStringLiteral("caña");
    QTest::newRow("capital Ñ like ñ") << QStringLiteral("nunca") << QStringLiteral("Ñandú");
    QTest::newRow("leading ellipsis ignored") << QStringLiteral("… ab") << QStringLiteral("abbauen");
    QTest::newRow("shorter prefix first") << QStringLiteral("Haus") << QStringLiteral("Haus…");
    QTest::newRow("phrase beside its first word") << QStringLiteral("ab und zu") << QStringLiteral("abbauen");
}

void TestDictImport::collation()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    const CollationKey a(before);
    const CollationKey b(after);
    QVERIFY2(a.compare(b) < 0, qPrintable(before + QStringLiteral(" should sort before ") + after));
    QVERIFY(b.compare(a) > 0);
    QCOMPARE(a.compare(CollationKey(before)), 0);
}

void TestDictImport::letter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("letter");
    QTest::newRow("umlaut") << QStringLiteral("Ärger") << QChar(u'a');
    QTest::newRow("ñ belongs to n") << QStringLiteral("ñandú") << QChar(u'n');
    QTest::newRow("accent") << QStringLiteral("Éclair") << QChar(u'e');
    QTest::newRow("leading punctuation") << QStringLiteral("(sich) abmühen") << QChar(u's');
    QTest::newRow("digit") << QStringLiteral("3D-Drucker") << QChar(u'3');
    QTest::newRow("no letter at all") << QStringLiteral("…") << QChar();
}

void TestDictImport::letter()
{
    QFETCH(QString, text);
    QFETCH(QChar, letter);
    QCOMPARE(CollationKey(text).letter(), letter);
}

void TestDictImport::fieldText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    const QString seven(7, u'\\');
    QTest::newRow("semicolon becomes comma") << QStringLiteral("Druck; Vakuum") << QStringLiteral("Druck, Vakuum");
    QTest::newRow("CR LF") << QStringLiteral("eins\r\nzwei") << QStringLiteral("eins zwei");
    QTest::newRow("LF alone") << QStringLiteral("eins\nzwei") << QStringLiteral("eins zwei");
    QTest::newRow("CR alone") << QStringLiteral("eins\rzwei") << QStringLiteral("eins zwei");
    QTest::newRow("line separator") << QStringLiteral("eins\u2028zwei") << QStringLiteral("eins zwei");
    QTest::newRow("tab") << QStringLiteral("eins\tzwei") << QStringLiteral("eins zwei");
    QTest::newRow("blanks collapsed and trimmed") << QStringLiteral("  viel   Raum ") << QStringLiteral("viel Raum");
    QTest::newRow("seven backslashes stay") << QString(7, u'\\') << seven;
    QTest::newRow("eight backslashes cut to seven") << QString(8, u'\\') << seven;
    QTest::newRow("sixteen backslashes cut to seven") << QString(16, u'\\') << seven;
    QTest::newRow("separate runs each cut") << QString(9, u'\\') + u'x' + QString(8, u'\\') << seven + u'x' + seven;
}

void TestDictImport::fieldText()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(FieldText::clean(text), field);
}

void TestDictImport::bareVerb_data()
{
    QTest::addColumn<QString>("headword");
    QTest::addColumn<QString>("verb"); // empty: none
    QTest::newRow("reflexive") << "sich erinnern"
                               << "erinnern";
    QTest::newRow("object") << "etw. vergleichen"
                            << "vergleichen";
    QTest::newRow("dative of a thing") << "einer Sache entsprechen"
                                       << "entsprechen";
    QTest::newRow("object and preposition") << "jdn. an etw. erinnern"
                                            << "erinnern";
    QTest::newRow("alternatives") << "jdn./etw. mit jdm./einer Sache vergleichen"
                                  << "vergleichen";
    QTest::newRow("optional part") << "sich (mit jdm.) treffen"
                                   << "treffen";
    QTest::newRow("two objects") << "jdm. etw. abgewöhnen"
                                 << "abgewöhnen";
    QTest::newRow("a subject placeholder") << "sich als jd./etw. geben"
                                           << "geben";
    QTest::newRow("a word that is no placeholder") << "neu aktivieren"
                                                   << "";
    QTest::newRow("an idiom") << "sich etw. zu Herzen nehmen"
                              << "";
    QTest::newRow("preposition without its object") << "sich an erinnern"
                                                    << "";
    QTest::newRow("not an infinitive") << "sich erinnert"
                                       << "";
    QTest::newRow("a noun") << "etw. Gutes"
                            << "";
    QTest::newRow("a verb alone") << "erinnern"
                                  << "";
    QTest::newRow("two verbs") << "sich anbandeln/anbändeln"
                               << "";
    QTest::newRow("a placeholder only") << "sich etw."
                                        << "";
}

void TestDictImport::bareVerb()
{
    QFETCH(QString, headword);
    QFETCH(QString, verb);
    QCOMPARE(BareVerb::of(headword).value_or(QString()), verb);
}

void TestDictImport::articles_data()
{
    QTest::addColumn<QStringList>("articles");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("German-English article with examples and links") << QStringList{
        QStringLiteral("Haus /hˈaʊs/ <neut, n, sg>\nhouse <n>\n      \"ein Haus bauen\"  - build a house\n"
                       " see: {Häuser}, {frei Haus}\n\n")} << QStringList{QStringLiteral("Haus;house;n, n, /hˈaʊs/;")};
    QTest::newRow("duplicate headwords merged, plain sense before slang")
        << QStringList{QStringLiteral("Dollar /dɔlˈɑːɾ/ <masc, n, sg>\nbuck <n>, clam <n> [slang]\n"),
                       QStringLiteral("Dollar /dɔlˈɑːɾ/ <masc, n, sg>\n [fin.] dollar <n>, buck <n>\n")}
        << QStringList{QStringLiteral("Dollar;dollar, buck, clam;n, m, /dɔlˈɑːɾ/;")};
    QTest::newRow("genders of merged senses")
        << QStringList{QStringLiteral("Band /bˈant/ <neut, n, sg>\ntape <n>\n"),
                       QStringLiteral("Band /bˈant/ (Bd. /bˌeːdˈeː/) <masc, n, sg>\nvolume <n>vol.,  /vˈoːl/\n"),
                       QStringLiteral("Band /bˈant/ <fem, n, sg>\nband <n>\n")}
        << QStringList{QStringLiteral("Band;tape, volume (vol.), band;n, n/m/f, /bˈant/;")};
    QTest::newRow("plural senses of a base form dropped")
        << QStringList{QStringLiteral("Verkoster /fɛɾkˈɔstɜ/ <masc, n, sg>\ntaster <n>\n"),
                       QStringLiteral("Verkoster /fɛɾkˈɔstɜ/ <pl>\ntasters\n")}
        << QStringList{QStringLiteral("Verkoster;taster;n, m, /fɛɾkˈɔstɜ/;")};
    QTest::newRow("German-Greek senses with German definitions")
        << QStringList{QStringLiteral(
               "Haus /haʊ̯s/ <n, neut>\n1. σπίτι, οίκος 2.\nzu einem Zweck erbautes Gebäude\n 3.\n"
               "zum Wohnen dienendes Gebäude\n2. οίκος 2.\nGemeinschaft\n4. Fall der Deklination\n")}
        << QStringList{QStringLiteral("Haus;σπίτι, οίκος;n, n, /haʊ̯s/;")};
    QTest::newRow("German-Italian numbered senses")
        << QStringList{QStringLiteral("Abakus /ˈɑbakˌʊs/\n1. abaco\n2. pallottoliere\n")}
        << QStringList{QStringLiteral("Abakus;abaco, pallottoliere;/ˈɑbakˌʊs/;")};
    QTest::newRow("Spanish-German: two headwords share one article")
        << QStringList{QStringLiteral("abejarrón /ˌaβexarˈon/ <n, m>, abejorro /ˌaβexˈoro/ <n, m>\nHummel <n, f>\n")}
        << QStringList{QStringLiteral("abejarrón;Hummel;n, m, /ˌaβexarˈon/;"),
                       QStringLiteral("abejorro;Hummel;n, m, /ˌaβexˈoro/;")};
    QTest::newRow("Spanish-German: masculine and feminine")
        << QStringList{QStringLiteral("abatido, abatida /ˌaβatˈiðo/ /ˌaβatˈiða/ <adj>\nniedergeschlagen\n")}
        << QStringList{QStringLiteral("abatida;niedergeschlagen;adj, /ˌaβatˈiða/;"),
                       QStringLiteral("abatido;niedergeschlagen;adj, /ˌaβatˈiðo/;")};
    QTest::newRow("Spanish-German: paired translations")
        << QStringList{QStringLiteral(
               "modisto, | modista /moðˈisto/ /moðˈista/ <n, f>\nSchneider, | Schneiderin <n, f>\n")}
        << QStringList{QStringLiteral("modista;Schneiderin;n, f, /moðˈista/;"),
                       QStringLiteral("modisto;Schneider;n, f, /moðˈisto/;")};
    QTest::newRow("Spanish-German: headwords only in parentheses")
        << QStringList{QStringLiteral(
               " ( [coloq.] minino /minˈino/ <n, m>),  ( [coloq.] minina /minˈina/ <n, f>)\n1.  Kater <n, m>\n")}
        << QStringList{QStringLiteral("minina;Kater;n, f, /minˈina/;"),
                       QStringLiteral("minino;Kater;n, m, /minˈino/;")};
    QTest::newRow("semicolons and character references in the source")
        << QStringList{QStringLiteral(
               "anhalten /ˈanhˌaltən/ <v>\nanhalten (Urin; Luft), stoppen&nbsp;jetzt, &#124;x\n")}
        << QStringList{QStringLiteral("anhalten;anhalten (Urin, Luft), stoppen jetzt, x;v, /ˈanhˌaltən/;")};
    QTest::newRow("slashes in a headword are not a pronunciation")
        << QStringList{QStringLiteral("und/oder / sowie /ʊnt ˈoːdɜ/ <conj>\nand/or\n")}
        << QStringList{QStringLiteral("und/oder / sowie;and/or;conj, /ʊnt ˈoːdɜ/;")};
    QTest::newRow("CR LF line ends in the source")
        << QStringList{QStringLiteral("Tisch /tˈɪʃ/ <masc, n, sg>\r\ntable <n>\r\n")}
        << QStringList{QStringLiteral("Tisch;table;n, m, /tˈɪʃ/;")};
    QTest::newRow("a verb given only with sich is also filed under the verb")
        << QStringList{QStringLiteral("sich erinnern /zɪç ɛɾˈɪnɜn/ <v, refl>\nremember <v>\n")}
        << QStringList{QStringLiteral("erinnern;remember;v, refl, sich erinnern;"),
                       QStringLiteral("sich erinnern;remember;v, refl, /zɪç ɛɾˈɪnɜn/;")};
    QTest::newRow("the object forms of one verb share its line")
        << QStringList{QStringLiteral("sich an etw. erinnern <v>\nremember sth. <v>\n"),
                       QStringLiteral("jdn. an etw. erinnern <v, trans>\nremind sb. of sth. <v>\n")}
        << QStringList{QStringLiteral("erinnern;remember sth., remind sb. of sth.;v, trans, sich an etw. erinnern / "
                                      "jdn. an etw. erinnern;"),
                       QStringLiteral("jdn. an etw. erinnern;remind sb. of sth.;v, trans;"),
                       QStringLiteral("sich an etw. erinnern;remember sth.;v;")};
    QTest::newRow("a bare verb of the source is not made twice")
        << QStringList{QStringLiteral("etw. vergleichen <v, trans>\ncompare sth. <v>\n"),
                       QStringLiteral("vergleichen <v>\ncompare <v>\n")}
        << QStringList{QStringLiteral("etw. vergleichen;compare sth.;v, trans;"),
                       QStringLiteral("vergleichen;compare;v;")};
    QTest::newRow("only verbs are filed under their last word")
        << QStringList{QStringLiteral("etw. erinnern <v>\nrecall sth. <v>\n"),
                       QStringLiteral("sich wohlfühlen <adj>\nat ease\n")}
        << QStringList{QStringLiteral("erinnern;recall sth.;v, etw. erinnern;"),
                       QStringLiteral("etw. erinnern;recall sth.;v;"), QStringLiteral("sich wohlfühlen;at ease;adj;")};
    QTest::newRow("sorted for German and Spanish readers")
        << QStringList{QStringLiteral("Zug\ntrain\n"),    QStringLiteral("ñandú\nNandu\n"),
                       QStringLiteral("Äpfel\napples\n"), QStringLiteral("Masse\nmass\n"),
                       QStringLiteral("Apfel\napple\n"),  QStringLiteral("nunca\nnie\n"),
                       QStringLiteral("Maß\nmeasure\n"),  QStringLiteral("apfel\nx\n"),
                       QStringLiteral("oso\nBär\n")}
        << QStringList{
               QStringLiteral("apfel;x;;"),     QStringLiteral("Apfel;apple;;"), QStringLiteral("Äpfel;apples;;"),
               QStringLiteral("Maß;measure;;"), QStringLiteral("Masse;mass;;"),  QStringLiteral("nunca;nie;;"),
               QStringLiteral("ñandú;Nandu;;"), QStringLiteral("oso;Bär;;"),     QStringLiteral("Zug;train;;")};
}

void TestDictImport::articles()
{
    QFETCH(QStringList, articles);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const DictdPair source = writeDictd(dir.path(), articles);
    const QString output = dir.filePath(QStringLiteral("out.txt"));

    const ImportResult result = DictionaryImporter().run(source.index, source.data, output);

    QVERIFY2(!result.error, qPrintable(result.error.value_or(QString())));
    const QList<QStringList> parts = loadParts(readAll(output));
    QCOMPARE(parts.size(), PartSplitter::PartCount);
    QCOMPARE(entryLines(parts), lines);
}

void TestDictImport::hostileArticles_data()
{
    QTest::addColumn<QString>("article");
    const QString head = QStringLiteral("Wort /vɔɾt/ <n>\n");
    QTest::newRow("parentheses nested deeper than the stack holds")
        << QStringLiteral("Wort %1x /a/%2\nword\n").arg(QString(100000, u'('), QString(100000, u')'));
    QTest::newRow("parentheses never closed") << QStringLiteral("Wort %1\nword\n").arg(QString(300000, u'('));
    QTest::newRow("ampersands without a reference") << head + QString(1000000, u'&') + u'\n';
    QTest::newRow("brackets without a label") << head + QString(1000000, u'[') + u'\n';
    QTest::newRow("an entry longer than a line may be") << head + QString(70000, u'x') + u'\n';
}

// Each of these once took minutes, overflowed the stack, or wrote a line so long that the
// program refused the whole dictionary; now the article is dropped and the rest imported.
void TestDictImport::hostileArticles()
{
    QFETCH(QString, article);
    QTemporaryDir dir;
    const DictdPair source = writeDictd(dir.path(), {article, QStringLiteral("Tisch\ntable\n")});
    const QString output = dir.filePath(QStringLiteral("out.txt"));

    const auto result = finishedWithin(std::chrono::seconds(20), [source, output] {
        return DictionaryImporter().run(source.index, source.data, output);
    });

    QVERIFY2(result, "the import did not finish");
    QVERIFY(!result->error);
    QCOMPARE(result->report.tooLong, 1);
    QCOMPARE(DictionaryLoader::load(output).status, DictionaryLoad::Status::Ok);
    QCOMPARE(entryLines(loadParts(readAll(output))), QStringList{QStringLiteral("Tisch;table;;")});
}

void TestDictImport::entryWithoutTranslation()
{
    // Such a line would read "wort;;remark;", and the program's field split would speak the
    // remark as the translation, so it is dropped and counted.
    QTemporaryDir dir;
    const DictdPair source =
        writeDictd(dir.path(), {QStringLiteral("Brautschau /bɾˈaʊtʃaʊ/ <fem, n, sg>\n\n"
                                               "      \"auf Brautschau gehen\"  - go looking for a wife\n"),
                                QStringLiteral("Braut /bɾˈaʊt/ <fem, n, sg>\nbride <n>\n")});
    const QString output = dir.filePath(QStringLiteral("out.txt"));

    const ImportResult result = DictionaryImporter().run(source.index, source.data, output);

    QVERIFY(!result.error);
    QCOMPARE(result.report.withoutTranslation, 1);
    QCOMPARE(result.report.withoutTranslationSamples, QStringList{QStringLiteral("Brautschau")});
    QCOMPARE(entryLines(loadParts(readAll(output))), QStringList{QStringLiteral("Braut;bride;n, f, /bɾˈaʊt/;")});
}

void TestDictImport::eightBackslashesNeverSplitTheFile()
{
    QTemporaryDir dir;
    const QString eight(8, u'\\');
    const DictdPair source =
        writeDictd(dir.path(), {QStringLiteral("Rück%1strich\nback%1slash, %2\n").arg(eight, QString(17, u'\\'))});
    const QString output = dir.filePath(QStringLiteral("out.txt"));

    const ImportResult result = DictionaryImporter().run(source.index, source.data, output);

    QVERIFY(!result.error);
    const QByteArray file = readAll(output);
    QCOMPARE(file.count(Mark), 3);
    const QString seven(7, u'\\');
    QCOMPARE(loadParts(file).value(0), QStringList{QStringLiteral("Rück%1strich;back%1slash, %1;;").arg(seven)});
}

void TestDictImport::fourPartsAtLetterBoundaries()
{
    QTemporaryDir dir;
    const QStringList words{QStringLiteral("Abend"), QStringLiteral("Affe"), QStringLiteral("Ärger"),
                            QStringLiteral("Bach"),  QStringLiteral("Berg"), QStringLiteral("Dach"),
                            QStringLiteral("Eis"),   QStringLiteral("Esel"), QStringLiteral("Ofen"),
                            QStringLiteral("Öl"),    QStringLiteral("Zahn")};
    QStringList articles;
    for (const QString &word : words)
        articles.append(word + QStringLiteral(" <n>\nx\n"));
    const DictdPair source = writeDictd(dir.path(), articles);
    const QString output = dir.filePath(QStringLiteral("out.txt"));

    const ImportResult result = DictionaryImporter(PartSplitter({4, 3, 3, 3})).run(source.index, source.data, output);

    QVERIFY(!result.error);
    const QByteArray file = readAll(output);
    QVERIFY(file.contains("\r\n1" + Mark + " Trennlinie\r\n"));
    QVERIFY(file.contains("\r\n2" + Mark + " Trennlinie\r\n"));
    QVERIFY(file.contains("\r\n3" + Mark + " Trennlinie\r\n"));
    const QList<QStringList> parts = loadParts(file);
    QCOMPARE(parts.size(), 4);
    QCOMPARE(entryLines(parts).size(), words.size());
    // A with Ärger fills the first part alone; no letter continues into the next part, and the
    // largest part is as small as whole letters allow (A = 3).
    QCOMPARE(parts[0],
             (QStringList{QStringLiteral("Abend;x;n;"), QStringLiteral("Affe;x;n;"), QStringLiteral("Ärger;x;n;")}));
    QSet<QChar> lettersSeen;
    for (qsizetype k = 0; k < parts.size(); ++k) {
        QVERIFY(parts[k].size() <= (k == 0 ? 3 : 4));
        QSet<QChar> lettersOfPart;
        for (const QString &line : k == 0 ? parts[k] : parts[k].mid(1))
            lettersOfPart.insert(CollationKey(line.section(u';', 0, 0)).letter());
        QVERIFY(!lettersOfPart.intersects(lettersSeen));
        lettersSeen.unite(lettersOfPart);
    }
    QCOMPARE(*std::max_element(result.report.parts.begin(), result.report.parts.end()), 3);
}

using Letters = std::vector<PartSplitter::Letter>;
using Kept = std::array<long long, EntryTierCount>;

void TestDictImport::partPlan_data()
{
    QTest::addColumn<Letters>("letters");
    QTest::addColumn<PartSplitter::Parts>("capacities");
    QTest::addColumn<Kept>("kept");
    QTest::addColumn<int>("preferredKept");
    QTest::addColumn<int>("largestPart");

    const auto base = [](int n, int preferred = 0) { return PartSplitter::Letter{{n, 0, 0, 0}, preferred}; };
    const auto tiers = [](int baseForms, int phrases, int inflected, int sentences) {
        return PartSplitter::Letter{{baseForms, phrases, inflected, sentences}, 0};
    };
    const PartSplitter::Parts small{5, 4, 4, 4};
    QTest::newRow("everything fits, balanced")
        << Letters{base(3), base(3), base(3), base(3)} << small << Kept{12, 0, 0, 0} << 0 << 3;
    QTest::newRow("small letters grouped")
        << Letters(8, base(1)) << PartSplitter::Parts{10, 10, 10, 10} << Kept{8, 0, 0, 0} << 0 << 2;
    QTest::newRow("a letter that fits a part is never cut")
        << Letters{base(4), base(1), base(1)} << small << Kept{6, 0, 0, 0} << 0 << 4;
    QTest::newRow("too many: every part filled") << Letters(5, base(10)) << small << Kept{17, 0, 0, 0} << 0 << 5;
    QTest::newRow("base forms kept before inflected forms")
        << Letters{tiers(3, 0, 3, 0), base(3), base(3), base(3), tiers(0, 0, 3, 0)} << PartSplitter::Parts{3, 3, 3, 3}
        << Kept{12, 0, 0, 0} << 0 << 3;
    QTest::newRow("room left by base forms goes to phrases, then sentences")
        << Letters{tiers(2, 1, 0, 5), base(1)} << PartSplitter::Parts{3, 3, 3, 3} << Kept{3, 1, 0, 5} << 0 << 3;
    // Five letters of two base forms each in four parts of two: one part holds two letters and
    // loses two entries; C's are the least useful of the dictionary, so C shares.
    QTest::newRow("the least useful entries give way")
        << Letters{base(2, 2), base(2, 2), base(2, 0), base(2, 2), base(2, 2)} << PartSplitter::Parts{2, 2, 2, 2}
        << Kept{8, 0, 0, 0} << 8 << 2;
    QTest::newRow("one letter larger than a part spreads over parts of its own")
        << Letters{base(20)} << small << Kept{17, 0, 0, 0} << 0 << 5;
    QTest::newRow("a big letter between small ones leaves room for both")
        << Letters{base(2), base(12), base(2)} << small << Kept{12, 0, 0, 0} << 0 << 4;
    QTest::newRow("nothing at all") << Letters{} << small << Kept{0, 0, 0, 0} << 0 << 0;
}

void TestDictImport::partPlan()
{
    QFETCH(Letters, letters);
    QFETCH(PartSplitter::Parts, capacities);
    QFETCH(Kept, kept);
    QFETCH(int, preferredKept);
    QFETCH(int, largestPart);

    const PartSplitter::Plan plan = PartSplitter(capacities).plan(letters);

    const int smallestCapacity = *std::min_element(capacities.begin(), capacities.end());
    int largest = 0;
    int total = 0;
    int nextLetter = 0;
    for (int p = 0; p < PartSplitter::PartCount; ++p) {
        const PartSplitter::Part &part = plan[p];
        QVERIFY2(part.entries <= capacities[p], qPrintable(QStringLiteral("part %1 over its capacity").arg(p + 1)));
        largest = std::max(largest, part.entries);
        total += part.entries;
        // Parts follow each other; they share letters only where one letter alone exceeds a part.
        const bool sharesLetter = part.firstLetter == nextLetter - 1 && part.endLetter == nextLetter;
        if (sharesLetter) {
            const auto &counts = letters[size_t(part.firstLetter)].byTier;
            QVERIFY(std::accumulate(counts.begin(), counts.end(), 0) > smallestCapacity);
        } else {
            QCOMPARE(part.firstLetter, nextLetter);
        }
        QVERIFY(part.endLetter >= part.firstLetter);
        nextLetter = part.endLetter;
    }
    QCOMPARE(nextLetter, int(letters.size()));
    QCOMPARE(total, int(std::accumulate(kept.begin(), kept.end(), 0LL)));
    QCOMPARE(largest, largestPart);

    // Which entries each part keeps: its letters' entries, preferred ones and better tiers first.
    Kept keptByTier{};
    int keptPreferred = 0;
    for (int p = 0; p < PartSplitter::PartCount;) {
        int lines = plan[p].entries;
        int next = p + 1;
        while (next < PartSplitter::PartCount && plan[next].firstLetter == plan[p].firstLetter
               && plan[next].endLetter == plan[p].endLetter && plan[p].endLetter - plan[p].firstLetter == 1)
            lines += plan[next++].entries;
        int preferred = 0;
        for (int l = plan[p].firstLetter; l < plan[p].endLetter; ++l)
            preferred += letters[size_t(l)].preferred;
        keptPreferred += std::min(preferred, lines);
        for (int t = 0; t < EntryTierCount; ++t) {
            long long available = 0;
            for (int l = plan[p].firstLetter; l < plan[p].endLetter; ++l)
                available += letters[size_t(l)].byTier[t];
            const long long taken = std::min<long long>(available, lines);
            keptByTier[t] += taken;
            lines -= int(taken);
        }
        p = next;
    }
    QCOMPARE(keptByTier, kept);
    QCOMPARE(keptPreferred, preferredKept);
}

void TestDictImport::moreEntriesThanFit()
{
    // 120,000 base forms and 20,000 plural forms spread over 36 first letters (a-z, 0-9): more
    // than the four lists hold, and every run of nine letters has more than a part takes.
    constexpr int BaseForms = 120000;
    constexpr int PluralForms = 20000;
    const QString letters = QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyz");
    const auto word = [&](int n) {
        QString w(1, letters[n % letters.size()]);
        for (n /= int(letters.size()); n > 0; n /= 26)
            w += QChar(u'a' + n % 26);
        return w;
    };
    QStringList articles;
    articles.reserve(BaseForms + PluralForms);
    for (int i = 0; i < BaseForms; ++i)
        articles.append(word(i) + QStringLiteral(" <n>\nthing\n"));
    for (int i = 0; i < PluralForms; ++i)
        articles.append(word(i) + QStringLiteral("-s <pl>\nthings\n"));
    QTemporaryDir dir;
    const DictdPair source = writeDictd(dir.path(), articles);
    const QString output = dir.filePath(QStringLiteral("out.txt"));

    const ImportResult result = DictionaryImporter().run(source.index, source.data, output);

    QVERIFY2(!result.error, qPrintable(result.error.value_or(QString())));
    const QList<QStringList> parts = loadParts(readAll(output));
    QCOMPARE(parts.size(), 4);
    // 500 lines of each part are left for the user's additions.
    for (const QStringList &part : parts)
        QVERIFY(part.size() <= 32267);
    const QStringList lines = entryLines(parts);
    QCOMPARE(lines.size(), result.report.written());
    QCOMPARE(result.report.written(), 32267 + 3 * 32266);
    QCOMPARE(result.report.leftOut[int(EntryTier::BaseForm)], 0);
    QCOMPARE(result.report.leftOut[int(EntryTier::InflectedForm)], BaseForms + PluralForms - result.report.written());

    // Sorted within each part, and a letter never continues in the next part.
    for (qsizetype k = 0; k < parts.size(); ++k) {
        const QStringList part = k == 0 ? parts[k] : parts[k].mid(1);
        for (qsizetype i = 1; i < part.size(); ++i)
            QVERIFY(CollationKey(part[i - 1].section(u';', 0, 0)) < CollationKey(part[i].section(u';', 0, 0)));
        if (k > 0 && !part.isEmpty() && parts[k - 1].size() > 1) {
            const QChar last = CollationKey(parts[k - 1].last().section(u';', 0, 0)).letter();
            QVERIFY(last < CollationKey(part.first().section(u';', 0, 0)).letter());
        }
    }
}

void TestDictImport::formTable_data()
{
    QTest::addColumn<QStringList>("articles");
    QTest::addColumn<QStringList>("forms");

    QTest::newRow("a plural points to its base among other nouns")
        << QStringList{QStringLiteral("Kind <neut, n, sg>\nchild <n>\n"),
                       QStringLiteral("Kleinstkind <neut, n, sg>\ninfant <n>\n"),
                       QStringLiteral("Kinder <pl>\nchildren\n see: {Kind}, {Kleinstkind}, {adoptiertes Kind}\n"),
                       QStringLiteral("Mutter <fem, n, sg>\nmother <n>\n"),
                       QStringLiteral("Mütter <pl>\nmothers\n see: {Mutter}\n")}
        << QStringList{QStringLiteral("Kinder;Kind"), QStringLiteral("Mütter;Mutter")};
    QTest::newRow("a strong verb: the one verb its link names most")
        << QStringList{QStringLiteral("gehen <v>\nwalk <v>\n"),
                       QStringLiteral("laufen <v>\nwalk <v>\n"),
                       QStringLiteral("gesellen <v>\njoin <v>\n"),
                       QStringLiteral("gehend <adj>\nwalking\n"),
                       QStringLiteral("gegangen\nwalked\n see: {gehen}, {laufen}, {gehend}\n"),
                       QStringLiteral("gegangen\ngone\n see: {gehen}, {gesellen}\n"),
                       QStringLiteral("ging\nwalked\n see: {gehen}, {laufen}, {gehend}\n")}
        << QStringList{QStringLiteral("gegangen;gehen"), QStringLiteral("ging;gehen")};
    QTest::newRow("a verb the source gives with its object")
        << QStringList{QStringLiteral("jdn. an etw. erinnern <v, trans>\nremind <v>\n"),
                       QStringLiteral("erinnernd <adj>\nreminding\n"),
                       QStringLiteral("erinnerte\nreminded\n see: {jdn. an etw. erinnern}, {erinnernd}\n")}
        << QStringList{QStringLiteral("erinnerte;erinnern")};
    QTest::newRow("no line when the base is not in the dictionary")
        << QStringList{QStringLiteral("Lichtdusche <fem, n, sg>\nlight shower <n>\n"),
                       QStringLiteral("Lichttherapiegeräte <pl>\nlight therapy devices\n see: {Lichtdusche}\n"),
                       QStringLiteral("entworfen\ndesigned\n see: {erstellen}, {erfinden}\n"),
                       QStringLiteral("erstellen <v>\ncreate <v>\n"), QStringLiteral("erfinden <v>\ninvent <v>\n")}
        << QStringList{};
    QTest::newRow("no line for a form that is an entry itself")
        << QStringList{QStringLiteral("Tag <masc, n, sg>\nday <n>\n"), QStringLiteral("Tage <pl, n>\nperiod <n>\n"),
                       QStringLiteral("Tage <pl>\ndays\n see: {Tag}\n")}
        << QStringList{};
    QTest::newRow("several bases in the source's frequency order")
        << QStringList{QStringLiteral("Nuss <fem, n, sg>\nnut <n>\n"),
                       QStringLiteral("Nuß <fem, n, sg>\nnut <n>\n      \"eine Nuß, noch eine Nuß\"  - a nut\n"),
                       QStringLiteral("Nüsse <pl>\nnuts\n see: {Nuss}, {Nuß}\n")}
        << QStringList{QStringLiteral("Nüsse;Nuß;Nuss")};
    QTest::newRow("an interjection without its exclamation mark")
        << QStringList{QStringLiteral("Hallo! <int>\nHello!\n")} << QStringList{QStringLiteral("Hallo;Hallo!")};
    QTest::newRow("Spanish: without the marks on both sides")
        << QStringList{QStringLiteral("¡Ojo! <int>\nAchtung!\n"), QStringLiteral("¿qué? <pron>\nwas?\n"),
                       QStringLiteral("qué <pron>\nwas\n")}
        << QStringList{QStringLiteral("Ojo;¡Ojo!")};
}

void TestDictImport::formTable()
{
    QFETCH(QStringList, articles);
    QFETCH(QStringList, forms);
    HeadwordTable table;
    for (const QString &article : articles)
        table.add(ArticleParser::parse(article));
    // Every base form is written, no inflected form: German-English has no room for them.
    FormLinks links;
    std::vector<ImportEntry> written;
    for (ImportEntry &entry : table.entries()) {
        if (entry.tier == EntryTier::InflectedForm)
            links.add(entry);
        else
            written.push_back(std::move(entry));
    }

    QStringList lines;
    for (const FormLinks::Line &line : links.lines(written))
        lines << line.form + u';' + line.bases.join(u';');
    QCOMPARE(lines, forms);
}

void TestDictImport::badInput_data()
{
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<QByteArray>("data"); // written gzip-compressed unless it is "plain:" followed by the bytes
    QTest::addColumn<QString>("removeFile");
    QTest::addColumn<QString>("error");

    const QByteArray article = "Haus\nhouse\n";
    const QByteArray goodIndex = "haus\tA\tL\n";
    QTest::newRow("missing index file") << goodIndex << article << QStringLiteral("test.index")
                                        << QStringLiteral("does not exist");
    QTest::newRow("missing data file") << goodIndex << article << QStringLiteral("test.dict.dz")
                                       << QStringLiteral("does not exist");
    QTest::newRow("index line without length") << QByteArray("haus\tA\tL\nhof\tA\n") << article << QString()
                                               << QStringLiteral("test.index:2: broken index line");
    QTest::newRow("index line with a foreign digit")
        << QByteArray("haus\tA*\tL\n") << article << QString() << QStringLiteral("test.index:1: broken index line");
    QTest::newRow("index line with an extra field")
        << QByteArray("haus\tA\tL\tx\n") << article << QString() << QStringLiteral("test.index:1: broken index line");
    QTest::newRow("empty index") << QByteArray("\n") << article << QString() << QStringLiteral("holds no entries");
    QTest::newRow("offset past the end") << QByteArray("haus\tA\tZ\n") << article << QString()
                                         << QStringLiteral("points past the end");
    QTest::newRow("truncated gzip") << goodIndex << QByteArray("truncated:") + article << QString()
                                    << QStringLiteral("not a readable gzip/dictzip file");
    QTest::newRow(".dict.dz that is not compressed")
        << goodIndex << QByteArray("plain:") + article << QString() << QStringLiteral("not gzip-compressed");
    QTest::newRow("output folder missing")
        << goodIndex << article << QStringLiteral("out") << QStringLiteral("cannot write");
}

void TestDictImport::badInput()
{
    QFETCH(QByteArray, index);
    QFETCH(QByteArray, data);
    QFETCH(QString, removeFile);
    QFETCH(QString, error);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("out")));
    const QString indexPath = dir.filePath(QStringLiteral("test.index"));
    const QString dataPath = dir.filePath(QStringLiteral("test.dict.dz"));
    const QString output = dir.filePath(QStringLiteral("out/DeEn.txt"));
    QFile indexFile(indexPath);
    QVERIFY(indexFile.open(QIODevice::WriteOnly));
    indexFile.write(index);
    indexFile.close();
    if (data.startsWith("plain:")) {
        QFile plain(dataPath);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write(data.mid(6));
    } else if (data.startsWith("truncated:")) {
        QVERIFY(writeGzip(dataPath, data.mid(10).repeated(50)));
        QVERIFY(QFile::resize(dataPath, QFileInfo(dataPath).size() - 6));
    } else {
        QVERIFY(writeGzip(dataPath, data));
    }
    const QByteArray previous = "alt;old;;\r\n";
    if (removeFile == u"out") {
        QVERIFY(QDir(dir.filePath(QStringLiteral("out"))).removeRecursively());
    } else {
        QFile old(output);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(previous);
        if (!removeFile.isEmpty())
            QVERIFY(QFile::remove(dir.filePath(removeFile)));
    }

    const ImportResult result = DictionaryImporter().run(indexPath, dataPath, output);

    QVERIFY(result.error.has_value());
    QVERIFY2(result.error->contains(error), qPrintable(*result.error));
    if (removeFile == u"out")
        QVERIFY(!QFileInfo::exists(output));
    else
        QCOMPARE(readAll(output), previous);
}

void TestDictImport::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("too few arguments") << QStringList{QStringLiteral("a.index")} << 2 << QStringLiteral("usage:");
    QTest::newRow("missing files") << QStringList{QStringLiteral("none.index"), QStringLiteral("none.dict.dz"),
                                                  QStringLiteral("out.txt")}
                                   << 1 << QStringLiteral("none.index does not exist");
    QTest::newRow("good input") << QStringList{QStringLiteral("test.index"), QStringLiteral("test.dict.dz"),
                                               QStringLiteral("out.txt")}
                                << 0 << QString();
}

void TestDictImport::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir dir;
    writeDictd(dir.path(), {QStringLiteral("Haus <n>\nhouse\n")});

    QProcess tool;
    tool.setWorkingDirectory(dir.path());
    tool.start(QStringLiteral(TOLKARIN_IMPORT_EXECUTABLE), arguments);
    QVERIFY(tool.waitForFinished(60000));

    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), exitCode);
    const QString errors = QString::fromUtf8(tool.readAllStandardError());
    if (exitCode == 0) {
        QVERIFY(errors.isEmpty());
        const QString report = QString::fromUtf8(tool.readAllStandardOutput());
        QVERIFY2(report.contains(QStringLiteral("part 1: 1 entries")), qPrintable(report));
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("out.txt"))));
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("out.forms"))));
    } else {
        QVERIFY2(errors.contains(message), qPrintable(errors));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("out.txt"))));
    }
}

void TestDictImport::indexNumbers_data()
{
    QTest::addColumn<QByteArray>("digits");
    QTest::addColumn<qint64>("value");
    QTest::newRow("A is zero") << QByteArray("A") << qint64(0);
    QTest::newRow("slash is 63") << QByteArray("/") << qint64(63);
    QTest::newRow("big-endian") << QByteArray("BA") << qint64(64);
    QTest::newRow("from the German-English index") << QByteArray("BCDID") << qint64(17314307);
    QTest::newRow("empty") << QByteArray() << qint64(-1);
    QTest::newRow("padding is not a digit") << QByteArray("BA=") << qint64(-1);
    QTest::newRow("too long to be an offset") << QByteArray(11, 'B') << qint64(-1);
}

void TestDictImport::indexNumbers()
{
    QFETCH(QByteArray, digits);
    QFETCH(qint64, value);
    QCOMPARE(DictdIndex::decodeNumber(digits).value_or(-1), value);
}

QTEST_GUILESS_MAIN(TestDictImport)
#include "tst_dictimport.moc"
