// Word forms: a keystroke that finds a form's entry, loading a dictionary with its form table,
// and the memory both take. German-English as the build imported it, with its form table, when
// it is there; TOLKARIN_BENCH_DICTIONARY names another (its .forms beside it); without either a
// generated dictionary and a generated table.
#include "DictionaryGenerator.h"

#include "core/ProgramDirectory.h"
#include "core/TextFile.h"
#include "dictionary/DictionaryLoader.h"
#include "dictionary/FormTable.h"
#include "dictionary/NearMiss.h"
#include "dictionary/PartListModel.h"
#include "dictionary/Stemmer.h"
#include "shell/Controls.h"
#include "shell/FormRegistry.h"
#include "shell/MessageBox.h"
#include "dictionary/WordForms.h"
#include "windows/vodozaduda1/DictionaryLoading.h"
#include "windows/vodozaduda1/PartList.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <array>
#include <memory>

namespace {

QString sourceDictionary()
{
    const QString given = qEnvironmentVariable("TOLKARIN_BENCH_DICTIONARY");
    if (!given.isEmpty())
        return given;
    const QString imported = QStringLiteral(TOLKARIN_PROGRAM_DIR) + QStringLiteral("/TranslateDeGb/DeEn.txt");
    return QFileInfo::exists(imported) ? imported : QString();
}

// A generated dictionary and a table that gives every second entry a form ("…e").
void writeGenerated(const QString &dictionary, const QString &forms)
{
    DictionaryGenerator::write(dictionary);
    const DictionaryLoad load = DictionaryLoader::load(dictionary);
    QByteArray table;
    for (const QVector<LineSpan> &part : load.parts) {
        for (qsizetype i = 1; i < part.size(); i += 2) {
            const QString word = load.text->line(part[i]).section(QLatin1Char(';'), 0, 0);
            table += (word + QStringLiteral("e;") + word + QStringLiteral("\r\n")).toUtf8();
        }
    }
    QFile file(forms);
    if (file.open(QIODevice::WriteOnly))
        file.write(table);
}

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// German-English (or what stands in for it) as "DeEn" in the program directory of the main
// window, with its form table and the irregular forms.
struct FormsFixture
{
    FormsFixture()
    {
        if (!isLoaded<vodozaduda1>()) {
            ProgramDirectory::setPath(dir.path());
            MessageBox::setHandler([](const QString &) {});
        }
        const QDir program(ProgramDirectory::path());
        program.mkpath(QStringLiteral("TranslateDeGb"));
        program.mkpath(QStringLiteral("wortformen"));
        dictionary = program.filePath(QStringLiteral("TranslateDeGb/DeEn.txt"));
        forms = program.filePath(QStringLiteral("TranslateDeGb/DeEn.forms"));
        QFile::remove(dictionary);
        QFile::remove(forms);
        const QString source = sourceDictionary();
        real = !source.isEmpty();
        if (real) {
            QFile::copy(source, dictionary);
            QFile::copy(FormTable::pathBeside(source), forms);
        } else {
            writeGenerated(dictionary, forms);
        }
        const QDir data(QStringLiteral(TOLKARIN_SOURCE_DATA_DIR));
        for (const QString &name : QDir(data.filePath(QStringLiteral("wortformen"))).entryList(QDir::Files)) {
            QFile::remove(program.filePath(QStringLiteral("wortformen/") + name));
            QFile::copy(data.filePath(QStringLiteral("wortformen/") + name),
                        program.filePath(QStringLiteral("wortformen/") + name));
        }
        window = form<vodozaduda1>();
        window->show();
        input = Controls::find<QLineEdit>(*window, QStringLiteral("Text3"));
        name = Controls::find<QLineEdit>(*window, QStringLiteral("Text2"));
    }

    // Loads "DeEn" in the window; the previous dictionary comes back with restore().
    void loadDeEn()
    {
        previous = name->text();
        name->setText(QStringLiteral("DeEn"));
        window->Command5();
        // hunspell is read on a thread of its own after the load: measure once it is there.
        const auto *loading = window->findChild<DictionaryLoading *>();
        if (loading && loading->wordForms() && loading->wordForms()->stemmer())
            (void)loading->wordForms()->stemmer()->waitUntilReady(30000);
    }
    void restore()
    {
        input->clear();
        name->setText(previous);
        window->Command5();
    }

    QTemporaryDir dir;
    QString dictionary;
    QString forms;
    bool real = false;
    vodozaduda1 *window = nullptr;
    QLineEdit *input = nullptr;
    QLineEdit *name = nullptr;
    QString previous;
};

FormsFixture &formsFixture()
{
    static FormsFixture f;
    return f;
}

// A keystroke whose word is no entry: the exact lookup misses, then the irregular forms, the
// form table and hunspell are asked. With German-English two regular preterites that only
// hunspell knows ("wohnte", "lernte"); otherwise a form of the generated table and a word that
// no source knows.
void BM_KeystrokeForm(benchmark::State &state)
{
    FormsFixture &f = formsFixture();
    f.loadDeEn();
    const QString first = f.real ? QStringLiteral("wohnte") : QStringLiteral("zzkeinwort");
    const QString second = f.real ? QStringLiteral("lernte") : QStringLiteral("zzauchkeins");
    bool flip = false;
    for (auto _ : state) {
        f.input->setText(flip ? first : second);
        flip = !flip;
    }
    f.input->setText(first);
    // The entry line shows the entry found, its fields apart.
    const bool found = Controls::find<QLineEdit>(*f.window, QStringLiteral("Text5"))->text().startsWith(u"wohnen  -  ");
    state.counters["found"] = found ? 1 : 0;
    state.counters["real"] = f.real ? 1 : 0;
    f.restore();
}
BENCHMARK(BM_KeystrokeForm)->Unit(benchmark::kMicrosecond);

// Loading German-English in the window, with its form table and the word forms around it.
void BM_LoadDictionaryWithForms(benchmark::State &state)
{
    FormsFixture &f = formsFixture();
    f.loadDeEn();
    for (auto _ : state)
        f.window->Command5();
    state.SetBytesProcessed(state.iterations() * (QFileInfo(f.dictionary).size() + QFileInfo(f.forms).size()));
    state.counters["forms"] = double(FormTable::load(f.forms)->size());
    f.restore();
}
BENCHMARK(BM_LoadDictionaryWithForms)->Unit(benchmark::kMillisecond);

// What loading is measured against: both files read and split into a list of lines each.
void BM_ReadSplitFloorWithForms(benchmark::State &state)
{
    FormsFixture &f = formsFixture();
    for (auto _ : state) {
        for (const QString &path : {f.dictionary, f.forms}) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            const QStringList lines = TextFile::decode(file.readAll()).split(QStringLiteral("\r\n"));
            benchmark::DoNotOptimize(lines.size());
        }
    }
    state.SetBytesProcessed(state.iterations() * (QFileInfo(f.dictionary).size() + QFileInfo(f.forms).size()));
}
BENCHMARK(BM_ReadSplitFloorWithForms)->Unit(benchmark::kMillisecond);

// The heap German-English takes once loaded as the window holds it (text, lines, the part
// models) with its form table, against the size of both files; and what hunspell's German
// dictionary takes besides.
void BM_MemoryWithForms(benchmark::State &state)
{
    FormsFixture &f = formsFixture();
    const double files = double(QFileInfo(f.dictionary).size() + QFileInfo(f.forms).size());
    size_t added = 0;
    for (auto _ : state) {
        const size_t before = heapInUse();
        {
            DictionaryLoad load = DictionaryLoader::load(f.dictionary);
            std::array<PartListModel, 4> models;
            for (int k = 0; k < 4; ++k)
                models[k].setLines(load.text, load.parts[k]);
            load.parts = {};
            added = heapInUse() - before;
            benchmark::DoNotOptimize(load.forms);
        }
    }
    state.counters["addedMB"] = double(added) / (1024 * 1024);
    state.counters["filesMB"] = files / (1024 * 1024);
    state.counters["perFileByte"] = double(added) / files;

    const size_t before = heapInUse();
    if (const std::shared_ptr<Stemmer> stemmer = Stemmer::start(QStringLiteral("de"))) {
        stemmer->waitUntilReady(30000);
        state.counters["hunspellMB"] = double(heapInUse() - before) / (1024 * 1024);
    }
}
BENCHMARK(BM_MemoryWithForms)->Unit(benchmark::kMillisecond)->Iterations(3);

// The spellings offered once typing pauses on a word nothing finds: every entry is looked at.
void BM_NearMiss(benchmark::State &state)
{
    FormsFixture &f = formsFixture();
    const DictionaryLoad load = DictionaryLoader::load(f.dictionary);
    std::array<PartListModel, 4> models;
    QList<const PartListModel *> parts;
    for (int k = 0; k < 4; ++k) {
        models[k].setLines(load.text, load.parts[k]);
        parts.append(&models[k]);
    }
    const QString word = f.real ? QStringLiteral("Wörterbuhc") : QStringLiteral("abbauhausx");
    QStringList spellings;
    for (auto _ : state)
        spellings = NearMiss::spellings(word, parts);
    state.counters["spellings"] = double(spellings.size());
}
BENCHMARK(BM_NearMiss)->Unit(benchmark::kMillisecond);

} // namespace
