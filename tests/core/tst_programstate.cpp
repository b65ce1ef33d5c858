#include "core/ProgramState.h"

#include <QSignalSpy>
#include <QtTest>

class TestProgramState : public QObject
{
    Q_OBJECT
private slots:
    void onlyChangesAreTold();
    void theSamePatternAgainIsANewHandOver();
};

// A window shows the state in a control that also sets it: telling an unchanged value again
// would start that round once more.
void TestProgramState::onlyChangesAreTold()
{
    ProgramState state;
    QSignalSpy muted(&state, &ProgramState::mutedChanged);
    QSignalSpy menu(&state, &ProgramState::trayMenuChanged);
    QSignalSpy dictionary(&state, &ProgramState::dictionaryChanged);

    state.setMuted(true);
    state.setMuted(true);
    state.setMuted(false);
    state.setTrayMenuOn(false);
    state.setTrayMenuOn(true);
    state.setDictionary(QStringLiteral("DeEn"), QStringLiteral("de"), QStringLiteral("en"));
    state.setDictionary(QStringLiteral("DeEn"), QStringLiteral("de"), QStringLiteral("en"));

    QCOMPARE(muted.size(), 2);
    QCOMPARE(muted.at(0).at(0).toBool(), true);
    QCOMPARE(muted.at(1).at(0).toBool(), false);
    QCOMPARE(menu.size(), 1);
    QCOMPARE(dictionary.size(), 1);
    QCOMPARE(state.targetLanguage(), QStringLiteral("en"));
}

void TestProgramState::theSamePatternAgainIsANewHandOver()
{
    ProgramState state;
    QSignalSpy handedOver(&state, &ProgramState::voicePatternTakenOver);
    const QStringList pattern{QStringLiteral("#voice=name:lgx.de.bill#"), QStringLiteral("#spd=150%#")};

    state.takeOverVoicePattern(pattern);
    state.takeOverVoicePattern(pattern);

    QCOMPARE(handedOver.size(), 2);
    QCOMPARE(state.voicePattern(), pattern);
}

QTEST_GUILESS_MAIN(TestProgramState)
#include "tst_programstate.moc"
