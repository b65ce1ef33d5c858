#pragma once

#include "app/Form.h"

class PageView;
class SpeechEngine;
class SpeechPage;

// The speaker window "Sprecher": hosts the speech page through which every text is spoken.
class Form1 : public Form
{
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    void load() override;
    void unloadStep() override;

    // Clicks a named element of form 0 of the page. False when the page or element is missing.
    bool clickPageElement(const QString &name);
    // "beende": unloads the window, which ends the program.
    void Command2_Click();

    SpeechPage &page() { return *m_page; }
    SpeechEngine &engine() { return *m_engine; }

private:
    SpeechEngine *m_engine = nullptr;
    SpeechPage *m_page = nullptr;
    PageView *m_browser = nullptr;
};
