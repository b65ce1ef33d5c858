#include "windows/starter/starter.h"

#include "core/ProgramState.h"
#include "shell/ClickLabel.h"
#include "shell/ControlFactory.h"
#include "shell/ControlText.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "windows/starter/StartSequence.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {
using F = ControlFactory;

// The pictures of the country choice: a small globe.
QPixmap globe(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ball(1, 1, size - 2, size - 2);
    p.setBrush(QColor(0x2f, 0x6f, 0xc0));
    p.setPen(QPen(QColor(0x10, 0x30, 0x60), 1));
    p.drawEllipse(ball);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 1));
    p.drawEllipse(ball.adjusted(ball.width() * 0.3, 0, -ball.width() * 0.3, 0));
    p.drawLine(QPointF(ball.center().x(), ball.top()), QPointF(ball.center().x(), ball.bottom()));
    p.drawLine(QPointF(ball.left(), ball.center().y()), QPointF(ball.right(), ball.center().y()));
    return pixmap;
}

ClickLabel *picture(QWidget *parent, const char *name, int left, int top)
{
    ClickLabel *l = F::clickLabel(parent, name, QString(), left, top, 495, 435);
    l->setPixmap(globe(Twips::toPixels(405)));
    l->setAlignment(Qt::AlignCenter);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}
}

starter::starter(ProgramState &state, QWidget *parent) : Form(parent), m_state(state)
{
    setWindowTitle(QStringLiteral("HX-Tolkarin"));
    buildControls();
    buildMaintenance();

    StartSequenceControls c;
    c.Command19 = m_Command19;
    c.Picture2 = m_Picture2;
    m_sequence = new StartSequence(*this, c, state, this);

    connect(m_Picture1, &ClickLabel::clicked, m_sequence, &StartSequence::chooseCountry);
    connect(m_Label3, &ClickLabel::clicked, m_sequence, &StartSequence::chooseCountry);
    connect(m_Command19, &QPushButton::clicked, m_sequence, &StartSequence::Command19_Click);
    connect(m_Picture2, &ClickLabel::clicked, m_sequence, &StartSequence::Command19_Click);
    connect(m_Command9, &QPushButton::clicked, m_sequence, &StartSequence::Command9_Click);
    connect(m_Command10, &QPushButton::clicked, this, [] { unload<starter>(); });

    connect(m_Command13, &QPushButton::clicked, m_sequence, &StartSequence::Command13_Click);
    connect(m_Command14, &QPushButton::clicked, m_sequence, &StartSequence::Command14_Click);
    connect(m_Command15, &QPushButton::clicked, m_sequence, &StartSequence::Command15_Click);
    connect(m_Command16, &QPushButton::clicked, m_sequence, &StartSequence::Command16_Click);
    connect(m_Command17, &QPushButton::clicked, m_sequence, &StartSequence::Command17_Click);
    connect(m_Command18, &QPushButton::clicked, m_sequence, &StartSequence::Command18_Click);
    connect(m_Command2, &QPushButton::clicked, m_sequence, &StartSequence::Command2_Click);
    connect(m_Command3, &QPushButton::clicked, m_sequence, &StartSequence::Command2_Click);
    connect(m_Command6, &QPushButton::clicked, this, [] { unload<starter>(); });
    connect(m_Command7, &QPushButton::clicked, m_sequence, &StartSequence::Command7_Click);
}

starter::~starter() = default;

void starter::buildControls()
{
    setFixedSize(Twips::toPixels(kClientWidth), Twips::toPixels(kClientHeight));

    m_Label1 = F::label(this, "Label1",
                        QStringLiteral("In jedem Fenster kann mit der [ F1 ]-Taste das Hilfe-Fenster geöffnet werden. "
                                       "Der Hilfetext wird angezeigt, sobald sich der Mauszeiger auf einem Klickbutton "
                                       "befindet: Mit der [ F2 ]-Taste kann dieser Hilfetext vorgelesen werden. Mit "
                                       "[F3] Taste wird das vorlesen beendet.."),
                        120, 120, 5760, 1335);
    m_Label1->setWordWrap(true);
    m_Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_Picture2 = picture(this, "Picture2", 120, 1560);
    m_Command19 = F::button(this, "Command19", QString(), 720, 1560, 5160, 435);
    ControlText::setCaption(m_Command19, m_state.text(CountryTexts::LandWahl));
    m_Picture1 = picture(this, "Picture1", 120, 2100);
    m_Label3 = F::clickLabel(this, "Label3", QStringLiteral("Land ?"), 720, 2130, 2400, 375);
    m_Label3->setCursor(Qt::PointingHandCursor);
    // The keyboard's way to the country choice once the button above is gone.
    m_Label3->setFocusPolicy(Qt::StrongFocus);

    m_Command9 = F::button(this, "Command9", QStringLiteral("OK weiter >"), 120, 2760, 2820, 495);
    Twips::setBackColor(m_Command9, Twips::color(VbColor::kLightYellow));
    m_Command10 = F::button(this, "Command10", QStringLiteral("Abbrechen"), 3060, 2760, 2820, 495);
}

void starter::buildMaintenance()
{
    const int row1 = kClientHeight + 1800;
    const int row2 = row1 + 480;
    m_Command13 = F::button(this, "Command13", QStringLiteral("startepack"), 0, row1, 1100, 375);
    m_Command14 = F::button(this, "Command14", QStringLiteral("ABSPEICHERN"), 1160, row1, 1200, 375);
    m_Command15 = F::button(this, "Command15", QStringLiteral("Command15"), 2420, row1, 1000, 375);
    m_Command16 = F::button(this, "Command16", QStringLiteral("Command16"), 3480, row1, 1000, 375);
    m_Command17 = F::button(this, "Command17", QStringLiteral("Command17"), 4540, row1, 1000, 375);
    m_Command18 = F::button(this, "Command18", QStringLiteral("Command18"), 5600, row1, 1000, 375);
    m_Command2 = F::button(this, "Command2", QStringLiteral("Command2"), 0, row2, 1000, 375);
    m_Command3 = F::button(this, "Command3", QStringLiteral("Command3"), 1060, row2, 1000, 375);
    m_Command6 = F::button(this, "Command6", QStringLiteral("zu"), 2120, row2, 600, 375);
    m_Command7 = F::button(this, "Command7", QStringLiteral(">"), 2780, row2, 600, 375);
}

void starter::load()
{
    const QList<Form *> loaded = FormRegistry::instance().loadedWindows();
    if (loaded.size() == 1 && loaded.first() == this)
        m_sequence->start();
}

void starter::keyDown(int key)
{
    if (key == Qt::Key_Escape)
        unload<starter>();
}

void starter::unloadStep()
{
    // The first-run window's end is the program's end.
    m_state.endProgram();
}
