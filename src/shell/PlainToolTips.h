#pragma once

#include <QObject>

// Shows every tooltip as the text it is. Tooltips come from country files, dictionaries and
// paths; Qt would read one that looks like markup as HTML and load what it names.
class PlainToolTips : public QObject
{
    Q_OBJECT
public:
    explicit PlainToolTips(QObject *parent = nullptr) : QObject(parent) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
