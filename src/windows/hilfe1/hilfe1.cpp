#include "windows/hilfe1/hilfe1.h"

#include "core/ProgramDirectory.h"
#include "core/ProgramState.h"
#include "localisation/HelpPage.h"
#include "shell/ClickLabel.h"
#include "shell/ControlFactory.h"
#include "shell/ControlText.h"
#include "shell/FocusNotice.h"
#include "shell/FontList.h"
#include "shell/FormRegistry.h"
#include "shell/MouseOver.h"
#include "shell/Shell.h"
#include "shell/Twips.h"
#include "speech/HelpVoice.h"
#include "speech/SpeechHandOff.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace {
QPushButton *picture(QWidget *parent, const char *name, QStyle::StandardPixmap icon, int left, int top)
{
    auto *b = ControlFactory::button(parent, name, QString(), left, top, 435, 405);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}
}

hilfe1::hilfe1(ProgramState &state, QWidget *parent) : Form(parent), m_state(state)
{
    buildControls();
    buildKeys();
    applyTexts();
    connect(&m_state, &ProgramState::textsChanged, this, [this] {
        if (m_greeting)
            greet();
    });

    connect(m_Picture1S, &QPushButton::clicked, this, &hilfe1::speak);
    connect(m_pla, &QPushButton::clicked, this, &hilfe1::pla);
    connect(m_Image1, &QPushButton::clicked, this, &hilfe1::stop);
    connect(m_Image3, &QPushButton::clicked, this, &hilfe1::pauseSpeech);
    connect(m_Image4, &QPushButton::clicked, this, &hilfe1::resume);
    connect(m_Image5, &QPushButton::clicked, this, &hilfe1::again);
    connect(m_Check1, &QCheckBox::clicked, this, [this] {
        if (m_Check1->isChecked())
            speak();
    });
    connect(m_beende3, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_Label3, &ClickLabel::clicked, this, [this] { largePrint(true); });
    connect(m_HLabel1, &ClickLabel::clicked, this, [this] { largePrint(true); });
    connect(m_Label4, &ClickLabel::clicked, this, [this] { largePrint(false); });
    connect(m_Label2, &ClickLabel::clicked, this, [this] { largePrint(false); });
    connect(m_Label1, &ClickLabel::clicked, this, [this] { showText(m_state.text(CountryTexts::TastenHilfe)); });
    connect(m_Label6, &ClickLabel::clicked, this, &hilfe1::openDescription);
    connect(m_Label5, &ClickLabel::clicked, this, &hilfe1::openHomePage);
    connect(m_Timer1, &QTimer::timeout, this, &hilfe1::place);
    connect(m_autoRead, &QTimer::timeout, this, &hilfe1::speak);

    using T = CountryTexts;
    MouseOver::watch(m_beende3, [this] { showText(m_state.text(T::SchliessenHilfe)); });
    MouseOver::watch(m_Label3, [this] { showText(m_state.text(T::GroesserHilfe)); });
    MouseOver::watch(m_Label4, [this] { showText(m_state.text(T::KleinerHilfe)); });
    MouseOver::watch(m_Check1, [this] { showText(ControlText::toolTip(m_Check1)); });
    MouseOver::watch(m_Label6, [this] { showText(ControlText::toolTip(m_Label6) + m_Text1->text()); });
    FocusNotice::watch(m_Command1, [this] { showText(m_state.text(T::ProgrammBeschreibung)); });
}

void hilfe1::applyTexts()
{
    // The texts of our own keys that stand on controls; a country file sets them again.
    using T = CountryTexts;
    ControlText::set(this, ControlText::Property::WindowCaption, m_state.text(T::HilfeTitel));
    ControlText::setToolTip(m_Image1, m_state.text(T::StopM));
    ControlText::setToolTip(m_Image3, m_state.text(T::PauseM));
    ControlText::setToolTip(m_Image4, m_state.text(T::WeiterM));
    ControlText::setToolTip(m_Image5, m_state.text(T::NochmalM));
    ControlText::setCaption(m_Label5, m_state.text(T::Heimseite));
    ControlText::setToolTip(m_Label5, m_state.text(T::HeimseiteM));
    greet();
}

void hilfe1::greet()
{
    showText(m_state.text(CountryTexts::HilfeStart));
    m_greeting = true;
}

void hilfe1::buildControls()
{
    resize(Twips::toPixels(kClientWidth), Twips::toPixels(kClientHeight));
    Twips::setBackColor(this, Twips::color(VbColor::kBlack));
    const QColor yellow = Twips::color(VbColor::kYellow);

    m_HLabel1 = ControlFactory::clickLabel(this, "HLabel1", QString(), 120, 120, 8265, 1335);
    QFont normal = FontList::withFace(QFont(), QStringLiteral("Tahoma"));
    normal.setPointSizeF(11.25);
    normal.setBold(true);
    m_HLabel1->setFont(normal);
    m_HLabel1->setWordWrap(true);
    m_HLabel1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Twips::setBackColor(m_HLabel1, yellow);
    Twips::setForeColor(m_HLabel1, Twips::color(VbColor::kBlack));

    m_Label2 = ControlFactory::clickLabel(this, "Label2", QString(), 120, 120, 10200, 1335);
    QFont large = FontList::withFace(QFont(), QStringLiteral("Tahoma"));
    large.setPointSize(18);
    m_Label2->setFont(large);
    m_Label2->setWordWrap(true);
    m_Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Twips::setBackColor(m_Label2, yellow);
    Twips::setForeColor(m_Label2, Twips::color(VbColor::kBlack));
    m_Label2->hide();

    m_Label1 = ControlFactory::clickLabel(
        this, "Label1", QStringLiteral("F2       F3           F4          F5              F6 "), 270, 1455, 3300, 150);
    QFont small = m_Label1->font();
    small.setPointSize(7);
    m_Label1->setFont(small);
    Twips::setForeColor(m_Label1, Twips::color(VbColor::kWhite));
}

void hilfe1::buildKeys()
{
    const QColor yellow = Twips::color(VbColor::kYellow);
    m_Picture1S = picture(this, "Picture1S", QStyle::SP_MediaPlay, 120, 1575);
    ControlText::set(m_Picture1S, ControlText::Property::AccessibleName, m_state.text(CountryTexts::NameVorlesen));
    m_Image1 = picture(this, "Image1", QStyle::SP_MediaStop, 600, 1560);
    m_Image3 = picture(this, "Image3", QStyle::SP_MediaPause, 1200, 1560);
    m_Image4 = picture(this, "Image4", QStyle::SP_MediaSeekForward, 1920, 1560);
    m_Image5 = picture(this, "Image5", QStyle::SP_BrowserReload, 2640, 1560);

    m_Label5 = ControlFactory::clickLabel(this, "Label5", QString(), 3720, 1920, 1935, 255);
    m_Label5->setCursor(Qt::PointingHandCursor);
    Twips::setForeColor(m_Label5, yellow);
    m_Label6 = ControlFactory::clickLabel(this, "Label6", QStringLiteral("&Beschreibung:"), 5760, 1560, 1935, 255);
    Twips::setForeColor(m_Label6, yellow);
    m_Check1 =
        ControlFactory::checkBox(this, "Check1", QStringLiteral("Automatisch Maus lesen"), 5760, 1920, 2055, 255);
    // White caption on the black window; the box keeps the desktop's colours.
    QPalette caption = m_Check1->palette();
    caption.setColor(QPalette::WindowText, Twips::color(VbColor::kWhite));
    m_Check1->setPalette(caption);

    m_Label3 = ControlFactory::clickLabel(this, "Label3", QStringLiteral("[+]"), 7920, 1440, 480, 435);
    m_Label4 = ControlFactory::clickLabel(this, "Label4", QStringLiteral("[-]"), 7920, 1440, 480, 435);
    QFont sign = FontList::withFace(QFont(), QStringLiteral("Tahoma"));
    sign.setPointSize(kSignPointSize);
    for (ClickLabel *l : {m_Label3, m_Label4}) {
        l->setFont(sign);
        l->setAlignment(Qt::AlignCenter);
        Twips::setForeColor(l, yellow);
    }
    m_Label4->hide();
    m_beende3 = ControlFactory::button(this, "beende3", QStringLiteral("&X"), 8040, 1920, 360, 255);

    // Outside the visible area: the description path and the buttons other windows press.
    const int below = kClientHeight + 600;
    m_Text1 = ControlFactory::field(this, "Text1", QStringLiteral("\\hilfe-vq\\index.htm"), 120, below, 3000, 285);
    m_pla = ControlFactory::button(this, "pla", QStringLiteral("pla"), 3240, below, 600, 285);
    m_Command1 = ControlFactory::button(this, "Command1", QStringLiteral("B"), 3960, below, 600, 285);
    // The access key of "&Beschreibung:" leads to the description button.
    m_Label6->setBuddy(m_Command1);

    m_Timer1 = new QTimer(this);
    m_Timer1->setObjectName(QStringLiteral("Timer1"));
    m_Timer1->setInterval(500);
    m_autoRead = new QTimer(this);
    m_autoRead->setSingleShot(true);
    m_autoRead->setInterval(150);
}

void hilfe1::load()
{
    m_Timer1->start();
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
        m_Check1->setChecked(false);
        break;
    case Qt::Key_F11:
        if (!m_Check1->isChecked()) {
            m_Check1->setChecked(true);
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

void hilfe1::setHelpText(const QString &text, const QString &language)
{
    showText({text, language});
}

void hilfe1::showText(const LocalText &text)
{
    m_greeting = false;
    // The same text in another language is another text: it is read anew.
    if (text.text == m_HLabel1->text() && text.language == m_language)
        return;
    m_HLabel1->setText(text.text);
    m_language = text.language;
    textChanged();
}

QString hilfe1::helpText() const
{
    return m_HLabel1->text();
}

void hilfe1::textChanged()
{
    m_Label2->setText(m_HLabel1->text());
    // A newer text replaces the one waiting to be read, and speaking replaces what is spoken.
    if (m_Check1->isChecked())
        m_autoRead->start();
}

void hilfe1::writeHandOff()
{
    // A hand-off that cannot be written is skipped; the page then speaks what the file holds.
    (void)SpeechHandOff::writeLines({HelpVoice::pattern(speechLanguage()), m_HLabel1->text()});
}

void hilfe1::speak()
{
    m_autoRead->stop();
    writeHandOff();
    SpeechHandOff::click(QStringLiteral("Hilfe"), speechLanguage());
}

void hilfe1::pla()
{
    m_autoRead->stop();
    writeHandOff();
    // Pressed by other windows on every F2, so it keeps playing while shown disabled.
    m_pla->setEnabled(false);
    SpeechHandOff::click(QStringLiteral("Hilfe"), speechLanguage());
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
    m_Label2->setText(m_HLabel1->text());
    m_HLabel1->setVisible(!on);
    m_Label2->setVisible(on);
    m_Label4->setVisible(on);
    m_Label3->setVisible(!on);
    resize(Twips::toPixels((on ? kLargeWidth : kNormalWidth) - kFrameWidth), height());
}

bool hilfe1::isLargePrint() const
{
    return m_Label2->isVisibleTo(this);
}

void hilfe1::startPlacing()
{
    m_Timer1->start();
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

void hilfe1::openHomePage()
{
    const QUrl page = HelpPage::homePage(ProgramDirectory::path(), m_state.text(CountryTexts::HeimseiteAdresse).text);
    if (!page.isEmpty())
        Shell::openUrl(page);
}

void hilfe1::openDescription()
{
    // The path comes from the country file: only a help page of the program is opened.
    const QString page = HelpPage::file(ProgramDirectory::path(), m_Text1->text());
    if (!page.isEmpty())
        Shell::openFile(page);
}

QString hilfe1::speechLanguage() const
{
    return HelpVoice::language(m_language);
}

void hilfe1::place()
{
    m_Timer1->stop();
    // Placed against the main window only while it exists; placing must not load it.
    const QWidget *main = FormRegistry::instance().anchor();
    if (!main)
        return;
    QPoint target(main->x(), main->y() - Twips::toPixels(2600));
    // Above the main window, unless that leaves the screen: then below it, and never off screen.
    if (const QScreen *s = main->screen()) {
        const QRect area = s->availableGeometry();
        if (target.y() < area.top())
            target.setY(main->frameGeometry().bottom() + 1);
        target.setX(std::clamp(target.x(), area.left(), std::max(area.left(), area.right() - frameGeometry().width())));
        target.setY(std::clamp(target.y(), area.top(), std::max(area.top(), area.bottom() - frameGeometry().height())));
    }
    move(target);
}
