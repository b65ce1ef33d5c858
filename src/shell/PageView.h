#pragma once

#include "speech/SpeechHandOff.h"

#include <QWidget>

class SpeechPage;

// Shows the elements of a speech page as buttons; pressing one clicks the element.
class PageView : public QWidget
{
    Q_OBJECT
public:
    explicit PageView(SpeechHandOff::Page page, QWidget *parent = nullptr);

    // Rebuilds the buttons from the page as the speech service has it now.
    void refresh();

private:
    SpeechHandOff::Page m_page = SpeechHandOff::Page::Speaker;
};
