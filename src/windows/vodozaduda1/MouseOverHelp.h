#pragma once

#include <QColor>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class Form;
class ListBrowsing;
class QLabel;
class QWidget;

// The main window explains the control under the mouse: the control lights up in its signal
// colour, the others go back to white, and its help text goes to the help line of the help
// window and to the description line Label4. The description line's own clicks are here too.
// A hover only recolours and rewrites captions: no file, no speech of its own.
class MouseOverHelp : public QObject
{
    Q_OBJECT
public:
    static inline const QString kDescription = QStringLiteral(
        "Beispiel: [Woerterbuch-Muster.txt] Schreiben Sie in das gelb markierte Textfeld [hallo] danach "
        "drücken Sie auf die [Entertaste]! Nun wird das geschriebene Wort [hallo] hier im Beispiel Englisch "
        "also [hello] übersetzt und ausgesprochen! Gleichzeitig wird eine Liste angezeigt mit folgenden "
        "Einträgen: [hallo;hello;Gruss].");

    // The controls are found in the window by their design names, as the hover table names them.
    MouseOverHelp(Form &window, ListBrowsing &browsing, QObject *parent = nullptr);

    // "farbe": the reset set back to white.
    void Command34();
    // "Beschreibung :>": the example into the description line.
    void Command38_Click();
    // The mouse over the empty form area.
    void restore();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *control(const char *name) const;
    void over(const char *name, std::function<void(QWidget *)> action);
    // Reset, the control in its colour, the text to both places.
    void standard(QWidget *w, quint32 colour, const QString &text);
    void toBoth(const QString &text);
    static void toHelpLine(const QString &text);
    void toDescription(const QString &text);
    static void paint(QWidget *w, quint32 colour);
    static void paintText(QWidget *w, const QColor &colour);
    QString fileName() const;

    Form &m_window;
    ListBrowsing &m_browsing;
    QLabel *m_Label4 = nullptr;
    QWidget *m_Frame1 = nullptr;
    QWidget *m_Command44 = nullptr;
    QWidget *m_Command46 = nullptr;
    std::array<QWidget *, 16> m_resetSet{};
    // The empty form area: back colours in their order, then the label texts.
    std::vector<std::pair<QWidget *, quint32>> m_restoreColours;
    std::vector<QWidget *> m_restoreTexts;
};
