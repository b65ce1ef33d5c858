#include "DictionaryGenerator.h"

#include "core/ProgramDirectory.h"
#include "core/TextFile.h"
#include "dictionary/DictionaryLoader.h"
#include "shell/Controls.h"
#include "shell/FormRegistry.h"
#include "shell/MessageBox.h"
#include "windows/vodozaduda1/DictionaryLoading.h"
#include "windows/vodozaduda1/PartList.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>

namespace {
// One program directory for the whole run: the generated dictionary (or the one named by
// TOLKARIN_BENCH_DICTIONARY) as "Bench", a default dictionary, and the main window on it.
struct Fixture
{
    Fixture()
    {
        QDir(dir.path()).mkpath(QStringLiteral("TranslateDeGb"));
        path = QDir(dir.path()).filePath(QStringLiteral("TranslateDeGb/Bench.txt"));
        const QString given = qEnvironmentVariable("TOLKARIN_BENCH_DICTIONARY");
        if (given.isEmpty()) {
            lastWord = DictionaryGenerator::write(path);
        } else {
            QFile::copy(given, path);
            // The keystroke benchmarks look up the last entry of part 4 of that dictionary.
            const DictionaryLoad load = DictionaryLoader::load(path);
            if (!load.parts[3].isEmpty())
                lastWord = load.text->line(load.parts[3].last()).section(QLatin1Char(';'), 0, 0);
        }
        QFile::copy(path, QDir(dir.path()).filePath(QStringLiteral("TranslateDeGb/DeEn.txt")));
        QFile::copy(path, QDir(dir.path()).filePath(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt")));
        ProgramDirectory::setPath(dir.path());
        MessageBox::setHandler([this](const QString &text) { messages << text; });
        window = form<vodozaduda1>();
        window->show();
        input = Controls::find<QLineEdit>(*window, QStringLiteral("Text3"));
        for (int k = 0; k < 4; ++k)
            lists[k] = Controls::find<PartList>(*window, QStringLiteral("List%1").arg(k + 1));
        Controls::find<QLineEdit>(*window, QStringLiteral("Text2"))->setText(QStringLiteral("Bench"));
        window->Command5();
    }

    QTemporaryDir dir;
    QString path;
    QString lastWord;
    QStringList messages;
    vodozaduda1 *window = nullptr;
    QLineEdit *input = nullptr;
    std::array<PartList *, 4> lists{};
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void BM_LoadDictionary(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state)
        f.window->Command5();
    int lines = 0;
    for (PartList *list : f.lists)
        lines += list->listCount();
    state.counters["lines"] = lines;
    state.counters["messages"] = double(f.messages.size());
    state.SetBytesProcessed(state.iterations() * QFileInfo(f.path).size());
}
BENCHMARK(BM_LoadDictionary)->Unit(benchmark::kMillisecond);

void BM_ReadSplitFloor(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        QFile file(f.path);
        file.open(QIODevice::ReadOnly);
        const QStringList lines = TextFile::decode(file.readAll()).split(QStringLiteral("\r\n"));
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(f.path).size());
}
BENCHMARK(BM_ReadSplitFloor)->Unit(benchmark::kMillisecond);

// One change of the input field: the whole handler with the search of all four lists.
void keystrokes(benchmark::State &state, const QString &first, const QString &second)
{
    Fixture &f = fixture();
    bool flip = false;
    for (auto _ : state) {
        f.input->setText(flip ? first : second);
        flip = !flip;
    }
}

void BM_KeystrokeHit(benchmark::State &state)
{
    Fixture &f = fixture();
    // The match lies in the last line of part 4; the two spellings differ only in letter case.
    keystrokes(state, f.lastWord, f.lastWord.toUpper());
    state.counters["hit"] = f.lists[3]->isVisible() ? 1 : 0;
}
BENCHMARK(BM_KeystrokeHit)->Unit(benchmark::kMicrosecond);

void BM_KeystrokeMiss(benchmark::State &state)
{
    Fixture &f = fixture();
    keystrokes(state, QStringLiteral("zzzznichtda"), QStringLiteral("zzzznichtda2"));
}
BENCHMARK(BM_KeystrokeMiss)->Unit(benchmark::kMicrosecond);

// One keystroke into a letter of about two pages, and one taking it back: the edit with every
// handler the letter field runs on a change.
void BM_LetterKeystroke(benchmark::State &state)
{
    Fixture &f = fixture();
    auto *letter = Controls::find<QPlainTextEdit>(*f.window, QStringLiteral("Text6"));
    letter->setPlainText(QString(QStringLiteral("Lieber Hans, die Reise war lang.\n")).repeated(150));
    letter->moveCursor(QTextCursor::End);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    bool flip = false;
    for (auto _ : state) {
        QCoreApplication::sendEvent(letter, flip ? &back : &press);
        flip = !flip;
    }
    state.counters["chars"] = double(letter->toPlainText().size());
}
BENCHMARK(BM_LetterKeystroke)->Unit(benchmark::kMicrosecond);
} // namespace
