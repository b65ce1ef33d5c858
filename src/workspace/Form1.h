#pragma once

#include "app/Form.h"

class PageView;
class QGroupBox;
class QPushButton;
class SpeechEngine;
class SpeechPage;

// The speaker window "Sprecher": hosts the speech page through which every text is spoken.
// Hiding it keeps the page; closing it ends the program.
class Form1 : public Form
{
    Q_OBJECT
public:
    static constexpr int kClientWidth = 1575;
    static constexpr int kClientHeight = 1935;

    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    void load() override;
    void keyDown(int key) override;
    void unloadStep() override;

    // Clicks a named element of form 0 of the page. False when the page or element is missing.
    bool clickPageElement(const QString &name);
    // "beende": unloads the window, which ends the program.
    void Command2_Click();

    SpeechPage &page() { return *m_page; }
    SpeechEngine &engine() { return *m_engine; }

    PageView *Browser = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;

private:
    void buildControls();

    SpeechEngine *m_engine = nullptr;
    SpeechPage *m_page = nullptr;
};
