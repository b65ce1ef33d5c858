#pragma once

#include <QWidget>

class SpeechPage;

// Shows the elements of a speech page as buttons; pressing one clicks the element.
class PageView : public QWidget
{
    Q_OBJECT
public:
    explicit PageView(SpeechPage *page, QWidget *parent = nullptr);

    // Rebuilds the buttons after the page was (re)loaded.
    void refresh();

private:
    SpeechPage *m_page = nullptr;
};
