#pragma once

#include <QListWidget>

// A list of the files of one folder that match a pattern (letter case ignored), sorted by name.
class FileListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit FileListBox(QWidget *parent = nullptr);

    void setPath(const QString &folder);
    QString path() const { return m_folder; }
    void setPattern(const QString &pattern);
    // Re-reads the folder; the marked file stays marked while it exists.
    void refresh();
    // The marked file's name with extension; empty when none is marked.
    QString fileName() const;

signals:
    void fileClicked();
    void fileDoubleClicked();
    void enterPressed();
    void hovered();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QString m_folder;
    QString m_pattern = QStringLiteral("*.*");
};
