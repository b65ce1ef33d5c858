#include "DictionaryWriter.h"

#include "FieldText.h"

#include <QSaveFile>

QByteArray DictionaryWriter::line(const ImportEntry &entry)
{
    QString text = FieldText::clean(entry.source);
    text += u';';
    text += FieldText::clean(entry.translations.join(QStringLiteral(", ")));
    text += u';';
    text += FieldText::clean(entry.remark);
    text += u';';
    QByteArray bytes = text.toUtf8();
    bytes += "\r\n";
    return bytes;
}

QByteArray DictionaryWriter::dividerLine(int number)
{
    return QByteArray::number(number) + QByteArray(8, '\\') + " Trennlinie\r\n";
}

std::optional<QString> DictionaryWriter::write(const QString &path, const std::vector<ImportEntry> &entries,
                                               const PartSplitter::Parts &parts)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    QByteArray buffer;
    size_t next = 0;
    for (int part = 0; part < PartSplitter::PartCount; ++part) {
        if (part > 0)
            buffer += dividerLine(part);
        for (int i = 0; i < parts[part] && next < entries.size(); ++i)
            buffer += line(entries[next++]);
        if (file.write(buffer) != buffer.size())
            return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        buffer.clear();
    }
    if (!file.commit())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return std::nullopt;
}

QString DictionaryWriter::formsPath(const QString &dictionaryPath)
{
    const QString stem = dictionaryPath.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) ? dictionaryPath.chopped(4)
                                                                                             : dictionaryPath;
    return stem + QStringLiteral(".forms");
}

std::optional<QString> DictionaryWriter::writeForms(const QString &path, const std::vector<FormLinks::Line> &lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    QByteArray buffer;
    for (const FormLinks::Line &line : lines) {
        QString text = FieldText::clean(line.form);
        for (const QString &base : line.bases)
            text += u';' + FieldText::clean(base);
        buffer += text.toUtf8();
        buffer += "\r\n";
    }
    if (file.write(buffer) != buffer.size() || !file.commit())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return std::nullopt;
}
