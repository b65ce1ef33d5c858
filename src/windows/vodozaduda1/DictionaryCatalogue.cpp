#include "windows/vodozaduda1/DictionaryCatalogue.h"

#include "core/ProgramDirectory.h"
#include "core/ProgramState.h"
#include "dictionary/DictionaryLoader.h"
#include "dictionary/EntryText.h"
#include "shell/ControlActions.h"
#include "shell/ControlText.h"
#include "shell/FileListBox.h"
#include "shell/Form.h"
#include "shell/MessageBox.h"
#include "shell/Shell.h"
#include "windows/vodozaduda1/DictionaryLoading.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {
const QString kExample = QStringLiteral("Woerterbuch-Muster");
}

DictionaryCatalogue::DictionaryCatalogue(Form &window, const CatalogueControls &controls, DictionaryLoading &loading,
                                         const ProgramState &state, QObject *parent)
    : QObject(parent), m_window(window), m_c(controls), m_loading(loading), m_state(state)
{
    connect(m_c.command17, &QPushButton::clicked, this, &DictionaryCatalogue::Command17_Click);
    connect(m_c.command18, &QPushButton::clicked, this, &DictionaryCatalogue::Command18_Click);
    connect(m_c.command14, &QPushButton::clicked, this, &DictionaryCatalogue::Command14_Click);
    connect(m_c.command44, &QPushButton::clicked, this, &DictionaryCatalogue::Command44_Click);
    connect(m_c.file1, &FileListBox::fileClicked, this, &DictionaryCatalogue::File1_Click);
    connect(m_c.file1, &FileListBox::fileDoubleClicked, this, &DictionaryCatalogue::File1_DblClick);
    connect(m_c.file1, &FileListBox::enterPressed, this, &DictionaryCatalogue::File1_Enter);
    connect(m_c.text2, &QLineEdit::textChanged, this, &DictionaryCatalogue::Text2_Change);
}

QString DictionaryCatalogue::folder()
{
    return ProgramDirectory::file(u"TranslateDeGb/");
}

QString DictionaryCatalogue::exampleMessage(const CountryTexts &texts)
{
    using T = CountryTexts;
    const auto text = [&texts](T::Id id) { return texts.text(id).text; };
    const QString divider = DictionaryLoader::kDividerMark + u' ' + text(T::Trennlinie);
    return QStringList{
        text(T::Eingeteilt),    text(T::ZumBeispiel) + QStringLiteral(" [1%1 ]  [2%1 ]  [3%1 ].").arg(divider),
        text(T::Aufteilen1),    text(T::Aufteilen2),
        text(T::Fehlermeldung),
    }
        .join(QStringLiteral("\r\n"));
}

LocalText DictionaryCatalogue::languagePair(const QString &name, const CountryTexts &texts)
{
    using T = CountryTexts;
    if (name == QLatin1String("DeEn"))
        return texts.text(T::PaarDeEn);
    if (name == QLatin1String("DeGr"))
        return texts.text(T::PaarDeGr);
    if (name == QLatin1String("DeIt"))
        return texts.text(T::PaarDeIt);
    if (name == QLatin1String("SpDe"))
        return texts.text(T::PaarSpDe);
    if (name == kExample)
        return texts.text(T::PaarMuster);
    return texts.text(T::PaarLand);
}

void DictionaryCatalogue::Command17_Click()
{
    m_c.frame1->show();
    m_c.file1->refresh();
    focusControl(m_c.file1);
    sendKey(&m_window, Qt::Key_Down);
    sendKey(&m_window, Qt::Key_Up);
    m_c.command17->hide();
    m_c.command18->show();
}

void DictionaryCatalogue::Command18_Click()
{
    m_c.command14->hide();
    m_c.frame1->hide();
    m_c.command18->hide();
    m_c.command17->show();
    m_c.progressBar1->setValue(0);
    m_c.progressBar1->hide();
    focusControl(m_c.text3);
}

bool DictionaryCatalogue::loadMarked()
{
    m_c.progressBar1->show();
    m_c.progressBar1->setValue(0);
    m_c.text2->setText(m_c.file1->fileName());
    if (!m_window.pause(0.2))
        return false;
    m_loading.Command5_Click();
    return true;
}

void DictionaryCatalogue::Command14_Click()
{
    if (!loadMarked())
        return;
    m_c.command14->hide();
    m_c.frame1->hide();
    Command18_Click();
}

void DictionaryCatalogue::File1_Click()
{
    m_c.command14->show();
}

void DictionaryCatalogue::File1_DblClick()
{
    if (!loadMarked())
        return;
    m_c.frame1->hide();
    Command18_Click();
}

void DictionaryCatalogue::File1_Enter()
{
    Command14_Click();
    if (m_window.isUnloaded())
        return;
    Command18_Click();
}

void DictionaryCatalogue::Command44_Click()
{
    // Without a marked file the editor gets the folder.
    Shell::openFile(QDir(folder()).filePath(m_c.file1->fileName()));
}

void DictionaryCatalogue::Text2_Change()
{
    QString name = m_c.text2->text();
    EntryText::zeichenErsetzen(name, QStringLiteral(".txt"), QString());
    // Putting the shorter name back is a change of its own, handled in full before this one goes on.
    if (name != m_c.text2->text())
        m_c.text2->setText(name);
    ControlText::setCaption(m_c.label3, m_state.text(CountryTexts::PaarLand));
    const QString current = m_c.text2->text();
    if (current == kExample)
        MessageBox::show(exampleMessage(m_state.texts()));
    ControlText::setCaption(m_c.label3, languagePair(current, m_state.texts()));
}
