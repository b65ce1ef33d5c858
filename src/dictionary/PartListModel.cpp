#include "dictionary/PartListModel.h"

PartListModel::PartListModel(QObject *parent) : QAbstractListModel(parent) {}

void PartListModel::setLines(std::shared_ptr<const DictionaryText> text, QVector<LineSpan> lines)
{
    beginResetModel();
    m_text = std::move(text);
    m_lines = std::move(lines);
    m_firstFolded.resize(m_lines.size());
    if (m_text) {
        const char16_t *data = reinterpret_cast<const char16_t *>(m_text->text().constData());
        for (qsizetype i = 0; i < m_lines.size(); ++i)
            m_firstFolded[i] = DictionaryText::foldedAt(data + m_lines[i].offset, m_lines[i].length, 0);
    }
    endResetModel();
}

void PartListModel::clear()
{
    setLines({}, {});
}

int PartListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant PartListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return item(index.row());
}

QString PartListModel::item(int row) const
{
    if (row < 0 || row >= count() || !m_text)
        return {};
    return m_text->line(m_lines[row]);
}

QStringView PartListModel::view(int row) const
{
    if (row < 0 || row >= count() || !m_text)
        return {};
    return m_text->view(m_lines[row]);
}

int PartListModel::findFirstPrefix(QStringView text) const
{
    if (text.isEmpty() || !m_text)
        return -1;
    const QString needle = DictionaryText::folded(text);
    const char16_t *want = reinterpret_cast<const char16_t *>(needle.constData());
    const qsizetype wantLength = needle.size();
    const char16_t *data = reinterpret_cast<const char16_t *>(m_text->text().constData());
    const char16_t first = want[0];
    // The folded first letters side by side: the platform's character search skips the rows of
    // other letters many times faster than a look at each; within a letter's rows, one by one.
    const char16_t *firsts = m_firstFolded.constData();
    const QStringView allFirsts(firsts, m_firstFolded.size());
    const qsizetype n = m_lines.size();
    for (qsizetype row = allFirsts.indexOf(QChar(first)); row >= 0 && row < n; ++row) {
        if (firsts[row] != first) {
            row = allFirsts.indexOf(QChar(first), row);
            if (row < 0)
                break;
        }
        const LineSpan span = m_lines[row];
        if (span.length < wantLength)
            continue;
        const char16_t *line = data + span.offset;
        qsizetype i = 1;
        while (i < wantLength && DictionaryText::foldedAt(line, span.length, i) == want[i])
            ++i;
        if (i == wantLength)
            return int(row);
    }
    return -1;
}
