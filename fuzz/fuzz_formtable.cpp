// Form table from bytes: every form of the input looked up, against a plain reading of its lines.
#include "FuzzCheck.h"

#include "dictionary/DictionaryText.h"
#include "dictionary/FormTable.h"

#include <QHash>

namespace {
QByteArray trimmedBlanks(QByteArray bytes)
{
    while (!bytes.isEmpty() && (bytes.front() == ' ' || bytes.front() == '\t'))
        bytes.remove(0, 1);
    while (!bytes.isEmpty() && (bytes.back() == ' ' || bytes.back() == '\t'))
        bytes.chop(1);
    return bytes;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const FormTable table = FormTable::parse(bytes);

    // What the lines say, read the plain way.
    QHash<QString, QStringList> expected;
    QStringList forms;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.size() > FormTable::kMaxLineBytes || line.startsWith('#') || !line.contains(';'))
            continue;
        const QList<QByteArray> fields = line.split(';');
        const QString form = QString::fromUtf8(trimmedBlanks(fields.first()));
        if (form.isEmpty())
            continue;
        QStringList &bases = expected[DictionaryText::folded(form)];
        forms << form;
        for (qsizetype i = 1; i < fields.size() && bases.size() < FormTable::kMaxBases; ++i) {
            const QString base = QString::fromUtf8(trimmedBlanks(fields[i]));
            if (!base.isEmpty() && !bases.contains(base))
                bases << base;
        }
    }

    for (const QString &form : forms) {
        for (const QString &asked : {form, form.toUpper(), form.toLower()}) {
            const QStringList found = table.bases(asked);
            const QStringList wanted = expected.value(DictionaryText::folded(asked));
            FUZZ_CHECK(found == wanted,
                       QStringLiteral("\"%1\": %2 instead of %3").arg(asked, found.join(u'|'), wanted.join(u'|')));
        }
    }
    return 0;
}
