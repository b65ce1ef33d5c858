#include "app/Program.h"

#include "app/FormRegistry.h"
#include "app/MessageBox.h"
#include "app/ProgramDirectory.h"
#include "app/ProgramIcon.h"
#include "dictionary/vodozaduda1.h"
#include "localisation/Form2.h"
#include "localisation/starter.h"
#include "speech/Logox4.h"
#include "speech/SpeechEngine.h"
#include "speech/SpeechHandOff.h"
#include "speech/SpeechService.h"
#include "speech/hilfe1.h"
#include "workspace/Form1.h"
#include "workspace/halmorix.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

namespace {
template <class W>
void add(FormRegistry &registry)
{
    registry.registerWindow(QLatin1String(W::kName), [] { return new W(); });
}

bool sharedKey(Form &window, int key)
{
    Q_UNUSED(window);
    switch (key) {
    case Qt::Key_F1:
        if (hilfe1 *help = form<hilfe1>())
            help->showPlaced();
        return true;
    case Qt::Key_F2:
        if (hilfe1 *help = form<hilfe1>())
            help->playAndClear();
        return true;
    case Qt::Key_F3:
        SpeechHandOff::click(QStringLiteral("stop"));
        return true;
    default:
        return false;
    }
}
}

void Program::registerWindows()
{
    FormRegistry &registry = FormRegistry::instance();
    add<vodozaduda1>(registry);
    add<Form1>(registry);
    add<hilfe1>(registry);
    add<Logox4>(registry);
    add<Form2>(registry);
    add<starter>(registry);
    add<halmorix>(registry);
    registry.setAnchorName(QLatin1String(vodozaduda1::kName));
    registry.setSharedKeyHandler(sharedKey);
}

bool Program::translateQtDialogs()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

int Program::run()
{
    QApplication::setApplicationName(QStringLiteral("HX-Tolkarin"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ProgramIcon::icon());
    // The windows are laid out in design measures made for a small 8-point face.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
    // Without the translations the dialogs are English; everything else works the same.
    (void)translateQtDialogs();

    // Everything the program writes lies in its directory: run from a copy the user may write.
    ProgramDirectory::setPath(ProgramDirectory::writableOne(
        ProgramDirectory::path(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    SpeechService speech(ProgramDirectory::path());
    // What keeps speech from being heard is said once, in a message; not once the program
    // ends, when there is no window left to say it over.
    QObject::connect(&speech.engine(), &SpeechEngine::failed, &speech, [](const QString &message) {
        if (!FormRegistry::instance().programEnded())
            MessageBox::show(message);
    });
    registerWindows();
    FormRegistry &registry = FormRegistry::instance();
    registry.load(QLatin1String(kStartWindow));
    // The program may have been ended while the start window loaded.
    const int code = registry.programEnded() ? 0 : QApplication::exec();
    // Windows first: their last steps may still hand something to speech.
    registry.shutdown();
    return code;
}
