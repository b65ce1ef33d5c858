#include "core/TextFile.h"
#include "dictionary/EntryText.h"

#include <benchmark/benchmark.h>

namespace {

// Every character an occurrence: the case in which replacing in place moved the rest of the
// text at each one. The fitted complexity shows whether the time grows linearly.
void BM_ZeichenErsetzen(benchmark::State &state)
{
    const QString separators(qsizetype(state.range(0)), QLatin1Char(';'));
    for (auto _ : state) {
        QString text = separators;
        benchmark::DoNotOptimize(EntryText::zeichenErsetzen(text, QStringLiteral(";"), QStringLiteral("  -  ")));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ZeichenErsetzen)->RangeMultiplier(4)->Range(1 << 12, 1 << 20)->Complexity(benchmark::oN);

// A dictionary-like UTF-8 text of 10 MB; with everyLines > 0 a Windows-1252 line after every
// so many, which makes decode() count sequences before it decides.
void decode(benchmark::State &state, int everyLines)
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < 10 * 1024 * 1024; ++i) {
        bytes += QByteArray::number(i)
                 + "Gr\xC3\xBC\xC3\x9F"
                   "e;greetings;n, m, /\xCB\x88\x67\xCA\x81y\xCB\x90s\xC9\x99/;\r\n";
        if (everyLines > 0 && i % everyLines == 0)
            bytes += "s\xFC\xDF;sweet;\r\n";
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(TextFile::decode(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_DecodeUtf8(benchmark::State &state)
{
    decode(state, 0);
}
BENCHMARK(BM_DecodeUtf8)->Unit(benchmark::kMillisecond);

void BM_DecodeUtf8WithBadBytes(benchmark::State &state)
{
    decode(state, 1000);
}
BENCHMARK(BM_DecodeUtf8WithBadBytes)->Unit(benchmark::kMillisecond);

} // namespace
