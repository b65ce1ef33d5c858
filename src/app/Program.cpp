#include "app/Program.h"

#include "core/ProgramDirectory.h"
#include "shell/FontList.h"
#include "shell/FormRegistry.h"
#include "shell/MessageBox.h"
#include "shell/ProgramIcon.h"
#include "shell/WindowHiding.h"
#include "speech/HelpVoice.h"
#include "speech/SpeechEngine.h"
#include "speech/SpeechHandOff.h"
#include "speech/SpeechService.h"
#include "windows/Form1/Form1.h"
#include "windows/Form2/Form2.h"
#include "windows/Logox4/Logox4.h"
#include "windows/halmorix/halmorix.h"
#include "windows/hilfe1/hilfe1.h"
#include "windows/starter/starter.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QStandardPaths>
#include <QTranslator>

namespace {
template <class W>
void add(FormRegistry &registry, ProgramState &state)
{
    registry.registerWindow(QLatin1String(W::kName), [&state] { return new W(state); });
}

bool sharedKey(Form &window, int key)
{
    switch (key) {
    case Qt::Key_F1:
        if (hilfe1 *help = form<hilfe1>())
            help->showPlaced();
        return true;
    case Qt::Key_F2:
        if (hilfe1 *help = form<hilfe1>()) {
            if (window.readKeyEmptiesHelpText())
                help->playAndClear();
            else
                help->pla();
        }
        return true;
    case Qt::Key_F3:
        SpeechHandOff::click(QStringLiteral("stop"));
        return true;
    default:
        return false;
    }
}

void openByName(const QString &name, ProgramState::Opening how)
{
    Form *window = FormRegistry::instance().load(name);
    if (!window)
        return;
    switch (how) {
    case ProgramState::Opening::Load:
        break;
    case ProgramState::Opening::Show:
        window->show();
        break;
    case ProgramState::Opening::BringBack:
        WindowHiding::bringBack(*window);
        break;
    }
}

void endAsAsked(ProgramState::Ending how)
{
    switch (how) {
    case ProgramState::Ending::Now:
        break;
    case ProgramState::Ending::SpeakerWindowFirst:
        if (Form1 *speaker = form<Form1>())
            speaker->Command2_Click();
        break;
    case ProgramState::Ending::MainWindowFirst:
        // A main window never loaded is not loaded just to be closed.
        if (isLoaded<vodozaduda1>()) {
            form<vodozaduda1>()->Command2();
            return;
        }
        break;
    }
    endProgram();
}
}

Program::Program()
{
    registerWindows();
    carryOutRequests();
}

Program::~Program()
{
    FormRegistry::instance().reset();
}

void Program::registerWindows()
{
    FormRegistry &registry = FormRegistry::instance();
    add<vodozaduda1>(registry, m_state);
    add<Form1>(registry, m_state);
    add<hilfe1>(registry, m_state);
    add<Logox4>(registry, m_state);
    add<Form2>(registry, m_state);
    add<starter>(registry, m_state);
    add<halmorix>(registry, m_state);
    registry.setAnchorName(QLatin1String(vodozaduda1::kName));
    registry.setSharedKeyHandler(sharedKey);
}

void Program::carryOutRequests()
{
    ProgramState *s = &m_state;
    QObject::connect(s, &ProgramState::helpTextRequested, s, [](const QString &text, const QString &language) {
        if (hilfe1 *help = form<hilfe1>())
            help->setHelpText(text, language);
    });
    QObject::connect(s, &ProgramState::helpWindowRequested, s, [] {
        if (hilfe1 *help = form<hilfe1>())
            help->showPlaced();
    });
    QObject::connect(s, &ProgramState::descriptionRequested, s, [] {
        if (hilfe1 *help = form<hilfe1>())
            help->openDescription();
    });
    QObject::connect(s, &ProgramState::windowRequested, s, &openByName);
    QObject::connect(s, &ProgramState::windowHidingRequested, s, [](const QString &name) {
        if (Form *window = FormRegistry::instance().load(name))
            window->hide();
    });
    QObject::connect(s, &ProgramState::countryWindowRequested, s, [](ProgramState::CountryOpening how) {
        if (Form2 *country = form<Form2>())
            country->open(how);
    });
    QObject::connect(s, &ProgramState::voicePatternTakenOver, s, [](const QStringList &pattern) {
        if (vodozaduda1 *main = form<vodozaduda1>())
            main->Command42(pattern);
    });
    QObject::connect(s, &ProgramState::endRequested, s, &endAsAsked);
    // Qt's own dialogs follow the interface language where Qt has it, else they speak English.
    QObject::connect(s, &ProgramState::languageChanged, s,
                     [](const QString &language) { (void)translateQtDialogs(HelpVoice::language(language)); });
}

void Program::useDesignFont()
{
    // The windows are laid out in design measures made for a small 8-point face.
    QFont font = FontList::withFace(QApplication::font(), FontList::kDesignFace);
    font.setPointSize(kDesignPointSize);
    QApplication::setFont(font);
}

bool Program::translateQtDialogs(const QString &language)
{
    static QPointer<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    // Qt speaks English by itself.
    if (language == u"en")
        return true;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    installed = translator;
    return QCoreApplication::installTranslator(translator);
}

int Program::run()
{
    QApplication::setApplicationName(QStringLiteral("HX-Tolkarin"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ProgramIcon::icon());
    useDesignFont();
    // Without the translations the dialogs are English; everything else works the same.
    (void)translateQtDialogs();

    // Everything the program writes lies in its directory: run from a copy the user may write.
    ProgramDirectory::setPath(ProgramDirectory::writableOne(
        ProgramDirectory::path(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    SpeechService speech(ProgramDirectory::path());
    Program program;
    // What keeps speech from being heard is said once, in a message, in the user's language;
    // not once the program ends, when there is no window left to say it over.
    QObject::connect(&speech.engine(), &SpeechEngine::failed, &program.state(), [&program](const QString &message) {
        if (!FormRegistry::instance().programEnded())
            MessageBox::show(program.state().texts().localise(message).text);
    });
    FormRegistry &registry = FormRegistry::instance();
    registry.load(QLatin1String(kStartWindow));
    // The program may have been ended while the start window loaded.
    const int code = registry.programEnded() ? 0 : QApplication::exec();
    // Windows first: their last steps may still hand something to speech.
    registry.shutdown();
    return code;
}
