#pragma once

#include "dictionary/DictionaryText.h"

#include <QAbstractListModel>
#include <QVector>

#include <memory>

// One part of the loaded dictionary as a list model: the views show it, the search finds in it.
class PartListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit PartListModel(QObject *parent = nullptr);

    void setLines(std::shared_ptr<const DictionaryText> text, QVector<LineSpan> lines);
    void clear();

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    int count() const { return int(m_lines.size()); }
    QString item(int row) const;
    // The same without a copy, valid while the model keeps its lines; empty for a row it has not.
    QStringView view(int row) const;

    // The first row from the top whose beginning equals text, letter case ignored; -1 when
    // there is none or text is empty. Same result as a scan with a case-insensitive
    // startsWith, only faster: the folded first letter of every line is kept at load.
    int findFirstPrefix(QStringView text) const;

private:
    std::shared_ptr<const DictionaryText> m_text;
    QVector<LineSpan> m_lines;
    QVector<char16_t> m_firstFolded;
};
