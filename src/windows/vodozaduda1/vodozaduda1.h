#pragma once

#include "core/WindowNames.h"
#include "shell/Form.h"
#include "windows/vodozaduda1/MainWindowControls.h"

class DictionaryCatalogue;
class DictionaryLoading;
class FontChoice;
class LetterOutput;
class LetterWorkspace;
class ListBrowsing;
class MouseOverHelp;
class ProgramState;
class UnsavedLetter;
class WordLookup;

// The main translator window: the dictionary side (lookup, prefix search, choice of
// dictionary) and the letter side. Its behaviour lives in the classes it wires up here.
class vodozaduda1 : public Form
{
    Q_OBJECT
public:
    static constexpr const char *kName = WindowNames::kMain;
    static constexpr int kClientWidth = 5805;
    static constexpr int kClientHeight = 4890;

    explicit vodozaduda1(ProgramState &state, QWidget *parent = nullptr);
    ~vodozaduda1() override;

    void load() override;
    void keyDown(int key) override;
    void unloadStep() override;
    void programEnds() override;

    // "< wörterbuch Start": loads the dictionary named in the name field.
    void Command5();
    // "stimme uebernehmen": the voice list from the pattern the speech settings window handed over.
    void Command42(const QStringList &pattern);
    // "&EXIT": ends the program.
    void Command2();

private:
    void buildInputs();
    void buildDictionaryPanel();
    void buildButtons();
    void buildLetterSide();
    void buildStores();
    void wireDictionarySide();
    void wireLetterSide();
    void wireOtherWindows();
    bool arrowsStayWithTheControl() const;

    MainWindowControls m_c;
    ProgramState &m_state;
    WordLookup *m_lookup = nullptr;
    DictionaryLoading *m_loading = nullptr;
    DictionaryCatalogue *m_catalogue = nullptr;
    ListBrowsing *m_browsing = nullptr;
    LetterWorkspace *m_letter = nullptr;
    LetterOutput *m_output = nullptr;
    UnsavedLetter *m_unsaved = nullptr;
    FontChoice *m_fonts = nullptr;
    MouseOverHelp *m_hover = nullptr;
};
