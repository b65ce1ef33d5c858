// tolkarin-import <index-file> <dict.dz-file> <output.txt>
// Imports a FreeDict dictionary in dictd form into the program's dictionary format.

#include "DictionaryImporter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>

namespace {

const char *const TierNames[EntryTierCount] = {"base forms", "phrases", "inflected forms", "sentences"};

void printReport(QTextStream &out, const QString &outputPath, const ImportReport &report, qint64 milliseconds)
{
    out << QFileInfo(outputPath).fileName() << ": " << report.indexLines << " index lines, " << report.articles
        << " articles, " << report.headwords << " headwords (" << report.mergedSenses
        << " further senses merged into their headword's line)\n";
    out << "  dropped without translation: " << report.withoutTranslation;
    if (!report.withoutTranslationSamples.isEmpty())
        out << " (e.g. " << report.withoutTranslationSamples.join(QStringLiteral(", ")) << ")";
    out << "\n  dropped as longer than a line the program loads: " << report.tooLong;
    out << "\n  bare verbs filed from headwords with their object or \"sich\": " << report.bareVerbs << ", "
        << report.bareVerbsWritten << " written";
    if (!report.bareVerbSamples.isEmpty())
        out << " (e.g. " << report.bareVerbSamples.join(QStringLiteral(", ")) << ")";
    out << "\n  left out to fit four parts: " << report.leftOutTotal() << "\n";
    for (int tier = 0; tier < EntryTierCount; ++tier) {
        if (report.leftOut[tier] == 0)
            continue;
        out << "    " << TierNames[tier] << ": " << report.leftOut[tier]
            << " (first left out: " << report.leftOutSamples[tier].join(QStringLiteral(", ")) << ")\n";
    }
    for (int part = 0; part < PartSplitter::PartCount; ++part) {
        // Parts 2 to 4 also load the divider's " Trennlinie" as their first line.
        const int loaded = report.parts[part] + (part > 0 ? 1 : 0);
        out << "  part " << part + 1 << ": " << report.parts[part] << " entries, " << loaded << " lines as loaded\n";
    }
    out << "  word forms: " << report.formsLinked << " inflected forms link to a headword like them, "
        << report.formsWritten << " with a base in the dictionary written to the form table";
    if (!report.formSamples.isEmpty())
        out << " (e.g. " << report.formSamples.join(QStringLiteral(", ")) << ")";
    out << "\n";
    out << "  written: " << report.written() << " lines in " << QString::number(milliseconds / 1000.0, 'f', 1)
        << " s\n";
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        err << "usage: tolkarin-import <index-file> <dict.dz-file> <output.txt>\n";
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    const ImportResult result = DictionaryImporter().run(args[1], args[2], args[3]);
    if (result.error) {
        err << "tolkarin-import: " << *result.error << "\n";
        return 1;
    }
    printReport(out, args[3], result.report, timer.elapsed());
    return 0;
}
