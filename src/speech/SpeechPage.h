#pragma once

#include <QObject>
#include <QString>
#include <QVector>

class SpeechEngine;

// A local speech page: an HTML file whose first form holds named elements, each declaring
// the speech action a click on it runs (data-action, and data-file for the file to speak).
class SpeechPage : public QObject
{
    Q_OBJECT
public:
    enum class Action { Speak, Stop, Pause, Resume, Again, None };

    struct Element
    {
        QString name;
        QString caption;
        Action action = Action::None;
        QString file;
    };

    explicit SpeechPage(SpeechEngine *engine, QObject *parent = nullptr);

    // Navigates to the page. False when it is missing or unreadable; the page is then empty
    // and every click fails.
    bool load(const QString &path);
    bool isLoaded() const { return m_loaded; }
    QString path() const { return m_path; }
    const QVector<Element> &elements() const { return m_elements; }

    // Clicks the element of that name in form 0 and runs its action; language is the ISO
    // code of the text a speak action reads ("de", "en", ...; empty when unknown). False when
    // the page is not loaded, has no such element, or its action should speak and the engine
    // cannot synthesise at all.
    bool click(const QString &name, const QString &language = {});

    static QVector<Element> parseForm0(const QByteArray &html);

signals:
    void clicked(const QString &name);

private:
    SpeechEngine *m_engine = nullptr;
    QString m_path;
    bool m_loaded = false;
    QVector<Element> m_elements;
};
