#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>

// A broken invariant is a finding: say what broke, then abort so libFuzzer keeps the input.
[[noreturn]] inline void fuzzFail(const char *what, const QString &detail = {})
{
    std::fprintf(stderr, "fuzz check failed: %s %s\n", what, detail.toUtf8().constData());
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                                                                  \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            fuzzFail(#condition, detail);                                                                              \
    } while (false)

// The fuzz input cut at NUL bytes, so that one input carries several strings; missing pieces
// are empty. Seed files without NUL give their whole text to the first piece.
inline QList<QByteArray> fuzzPieces(const uint8_t *data, size_t size, int count)
{
    QList<QByteArray> pieces =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    while (pieces.size() < count)
        pieces.append(QByteArray());
    // The last piece keeps any further NULs.
    while (pieces.size() > count) {
        QByteArray tail = pieces.takeLast();
        pieces.last() += '\0' + tail;
    }
    for (QByteArray &piece : pieces)
        piece.detach();
    return pieces;
}
