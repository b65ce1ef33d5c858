#include "speech/hilfe1.h"

#include "app/ClickLabel.h"
#include "app/FormRegistry.h"
#include "app/MouseOver.h"
#include "app/ProgramDirectory.h"
#include "app/Shell.h"
#include "app/Twips.h"
#include "dictionary/vodozaduda1.h"
#include "speech/SpeechHandOff.h"
#include "speech/VoiceMarkup.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace {
ClickLabel *label(QWidget *parent, const char *name, const QString &text, int left, int top, int width, int height)
{
    auto *l = new ClickLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    Twips::place(l, left, top, width, height);
    return l;
}

QPushButton *picture(QWidget *parent, const char *name, QStyle::StandardPixmap icon, const QString &tip, int left,
                     int top)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(parent->style()->standardIcon(icon));
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::NoFocus);
    Twips::place(b, left, top, 435, 405);
    return b;
}

// Gives focus-in notice of one control, for the help text it shows then.
class FocusNotice : public QObject
{
public:
    FocusNotice(QWidget *control, std::function<void()> action) : QObject(control), m_action(std::move(action))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            m_action();
        return false;
    }

private:
    std::function<void()> m_action;
};
}

hilfe1::hilfe1(QWidget *parent) : Form(parent)
{
    setObjectName(QStringLiteral("hilfe1"));
    setWindowTitle(QStringLiteral("Hilfe:"));
    buildControls();

    connect(Picture1S, &QPushButton::clicked, this, &hilfe1::speak);
    connect(plaButton, &QPushButton::clicked, this, &hilfe1::pla);
    connect(Image1, &QPushButton::clicked, this, &hilfe1::stop);
    connect(Image3, &QPushButton::clicked, this, &hilfe1::pauseSpeech);
    connect(Image4, &QPushButton::clicked, this, &hilfe1::resume);
    connect(Image5, &QPushButton::clicked, this, &hilfe1::again);
    connect(Check1, &QCheckBox::clicked, this, [this] {
        if (Check1->isChecked())
            speak();
    });
    connect(beende3, &QPushButton::clicked, this, &QWidget::hide);
    connect(Label3, &ClickLabel::clicked, this, [this] { largePrint(true); });
    connect(HLabel1, &ClickLabel::clicked, this, [this] { largePrint(true); });
    connect(Label4, &ClickLabel::clicked, this, [this] { largePrint(false); });
    connect(Label2, &ClickLabel::clicked, this, [this] { largePrint(false); });
    connect(Label1, &ClickLabel::clicked, this, [this] { setHelpText(kKeyText); });
    connect(Label6, &ClickLabel::clicked, this, [this] { Shell::openFile(ProgramDirectory::file(Text1->text())); });
    connect(Label5, &ClickLabel::clicked, this, [] { Shell::openUrl(QUrl(kMakerAddress)); });
    connect(Timer1, &QTimer::timeout, this, &hilfe1::place);
    connect(autoRead, &QTimer::timeout, this, &hilfe1::speak);

    MouseOver::watch(beende3, [this] { setHelpText(QStringLiteral("Hilfe Fenster schließen!!")); });
    MouseOver::watch(Label3, [this] { setHelpText(QStringLiteral("Schrift größer machen!")); });
    MouseOver::watch(Label4, [this] { setHelpText(QStringLiteral("Schrift kleiner machen!")); });
    MouseOver::watch(Check1, [this] { setHelpText(Check1->toolTip()); });
    MouseOver::watch(Label6, [this] { setHelpText(Label6->toolTip() + Text1->text()); });
    new FocusNotice(Command1, [this] { setHelpText(QStringLiteral("Programm Beschreibung:")); });
}

void hilfe1::buildControls()
{
    resize(Twips::toPixels(kClientWidth), Twips::toPixels(kClientHeight));
    Twips::setBackColor(this, Twips::color(VbColor::Black));
    const QColor yellow = Twips::color(VbColor::Yellow);

    HLabel1 = label(this, "HLabel1", kInitialText, 120, 120, 8265, 1335);
    QFont normal(QStringLiteral("Tahoma"));
    normal.setPointSizeF(11.25);
    normal.setBold(true);
    HLabel1->setFont(normal);
    HLabel1->setWordWrap(true);
    HLabel1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Twips::setBackColor(HLabel1, yellow);
    Twips::setForeColor(HLabel1, Twips::color(VbColor::Black));

    Label2 = label(this, "Label2", kInitialText, 120, 120, 10200, 1335);
    QFont large(QStringLiteral("Tahoma"));
    large.setPointSize(18);
    Label2->setFont(large);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Twips::setBackColor(Label2, yellow);
    Twips::setForeColor(Label2, Twips::color(VbColor::Black));
    Label2->hide();

    Label1 = label(this, "Label1", QStringLiteral("F2       F3           F4          F5              F6 "), 270, 1455, 3300,
                   150);
    QFont small = Label1->font();
    small.setPointSize(7);
    Label1->setFont(small);
    Twips::setForeColor(Label1, Twips::color(VbColor::White));

    Picture1S = picture(this, "Picture1S", QStyle::SP_MediaPlay, QString(), 120, 1575);
    Image1 = picture(this, "Image1", QStyle::SP_MediaStop, QStringLiteral("Stop Sprache"), 600, 1560);
    Image3 = picture(this, "Image3", QStyle::SP_MediaPause, QStringLiteral("Pause Sprache"), 1200, 1560);
    Image4 = picture(this, "Image4", QStyle::SP_MediaSeekForward, QStringLiteral("Weiter sprechen"), 1920, 1560);
    Image5 = picture(this, "Image5", QStyle::SP_BrowserReload, QStringLiteral("Nochmal sprechen"), 2640, 1560);

    Label5 = label(this, "Label5", kMakerAddress, 3720, 1920, 1935, 255);
    Twips::setForeColor(Label5, yellow);
    Label6 = label(this, "Label6", QStringLiteral("&Beschreibung:"), 5760, 1560, 1935, 255);
    Twips::setForeColor(Label6, yellow);
    Check1 = new QCheckBox(QStringLiteral("Automatisch Maus lesen"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Twips::place(Check1, 5760, 1920, 2055, 255);
    // White caption on the black window; the box keeps the desktop's colours.
    QPalette caption = Check1->palette();
    caption.setColor(QPalette::WindowText, Twips::color(VbColor::White));
    Check1->setPalette(caption);

    Label3 = label(this, "Label3", QStringLiteral("[+]"), 7920, 1440, 480, 435);
    Label4 = label(this, "Label4", QStringLiteral("[-]"), 7920, 1440, 480, 435);
    QFont sign = large;
    sign.setPointSize(14);
    for (ClickLabel *l : {Label3, Label4}) {
        l->setFont(sign);
        l->setAlignment(Qt::AlignCenter);
        Twips::setForeColor(l, yellow);
    }
    Label4->hide();
    beende3 = new QPushButton(QStringLiteral("&X"), this);
    beende3->setObjectName(QStringLiteral("beende3"));
    Twips::place(beende3, 8040, 1920, 360, 255);

    // Outside the visible area: the description path and the buttons other windows press.
    const int below = kClientHeight + 600;
    Text1 = new QLineEdit(QStringLiteral("\\hilfe-vq\\index.htm"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Twips::place(Text1, 120, below, 3000, 285);
    plaButton = new QPushButton(QStringLiteral("pla"), this);
    plaButton->setObjectName(QStringLiteral("pla"));
    Twips::place(plaButton, 3240, below, 600, 285);
    Command1 = new QPushButton(QStringLiteral("B"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Twips::place(Command1, 3960, below, 600, 285);
    // The access key of "&Beschreibung:" leads to the description button.
    Label6->setBuddy(Command1);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    autoRead = new QTimer(this);
    autoRead->setSingleShot(true);
    autoRead->setInterval(150);
}

void hilfe1::load()
{
    Timer1->start();
}

void hilfe1::keyDown(int key)
{
    switch (key) {
    case Qt::Key_F2:
        speak();
        break;
    case Qt::Key_F3:
        stop();
        break;
    case Qt::Key_F4:
        pauseSpeech();
        break;
    case Qt::Key_F5:
        resume();
        break;
    case Qt::Key_F6:
        again();
        break;
    case Qt::Key_F8:
        Check1->setChecked(false);
        break;
    case Qt::Key_F11:
        if (!Check1->isChecked()) {
            Check1->setChecked(true);
            speak();
        }
        break;
    case Qt::Key_Escape:
        unload<hilfe1>();
        break;
    default:
        break;
    }
}

void hilfe1::setHelpText(const QString &text)
{
    if (text == HLabel1->text())
        return;
    HLabel1->setText(text);
    textChanged();
}

QString hilfe1::helpText() const
{
    return HLabel1->text();
}

void hilfe1::textChanged()
{
    Label2->setText(HLabel1->text());
    // A newer text replaces the one waiting to be read, and speaking replaces what is spoken.
    if (Check1->isChecked())
        autoRead->start();
}

void hilfe1::writeHandOff()
{
    SpeechHandOff::writeLines({VoiceMarkup::kHelpPattern, HLabel1->text()});
}

void hilfe1::speak()
{
    autoRead->stop();
    writeHandOff();
    SpeechHandOff::click(QStringLiteral("Hilfe"));
}

void hilfe1::pla()
{
    autoRead->stop();
    writeHandOff();
    // Pressed by other windows on every F2, so it keeps playing while shown disabled.
    plaButton->setEnabled(false);
    SpeechHandOff::click(QStringLiteral("Hilfe"));
}

void hilfe1::stop()
{
    SpeechHandOff::click(QStringLiteral("stop"));
}

void hilfe1::pauseSpeech()
{
    SpeechHandOff::click(QStringLiteral("pause"));
}

void hilfe1::resume()
{
    SpeechHandOff::click(QStringLiteral("Weiter"));
}

void hilfe1::again()
{
    SpeechHandOff::click(QStringLiteral("Nochmal"));
}

void hilfe1::largePrint(bool on)
{
    Label2->setText(HLabel1->text());
    HLabel1->setVisible(!on);
    Label2->setVisible(on);
    Label4->setVisible(on);
    Label3->setVisible(!on);
    resize(Twips::toPixels((on ? kLargeWidth : kNormalWidth) - kFrameWidth), height());
}

bool hilfe1::isLargePrint() const
{
    return Label2->isVisibleTo(this);
}

void hilfe1::startPlacing()
{
    Timer1->start();
}

void hilfe1::showPlaced()
{
    show();
    startPlacing();
}

void hilfe1::playAndClear()
{
    pla();
    setHelpText(QString());
}

bool hilfe1::commonKey(int key)
{
    switch (key) {
    case Qt::Key_F1:
        form<hilfe1>().showPlaced();
        return true;
    case Qt::Key_F2:
        form<hilfe1>().playAndClear();
        return true;
    case Qt::Key_F3:
        SpeechHandOff::click(QStringLiteral("stop"));
        return true;
    default:
        return false;
    }
}

void hilfe1::place()
{
    Timer1->stop();
    // Placed against the main window only while it exists; placing must not load it.
    if (!isLoaded<vodozaduda1>())
        return;
    const vodozaduda1 &main = form<vodozaduda1>();
    QPoint target(main.x(), main.y() - Twips::toPixels(2600));
    // Above the main window, unless that leaves the screen: then below it, and never off screen.
    if (const QScreen *s = main.screen()) {
        const QRect area = s->availableGeometry();
        if (target.y() < area.top())
            target.setY(main.frameGeometry().bottom() + 1);
        target.setX(std::clamp(target.x(), area.left(), std::max(area.left(), area.right() - frameGeometry().width())));
        target.setY(std::clamp(target.y(), area.top(), std::max(area.top(), area.bottom() - frameGeometry().height())));
    }
    move(target);
}
