#pragma once

#include "speech/SpeechHandOff.h"

#include <QWidget>

#include <functional>

class SpeechPage;

// Shows the elements of a speech page as buttons; pressing one clicks the element.
class PageView : public QWidget
{
    Q_OBJECT
public:
    // The caption shown for an element: by the element's name and the page's own caption; an
    // empty name stands for the notice that the page is missing.
    using Captions = std::function<QString(const QString &element, const QString &caption)>;

    explicit PageView(SpeechHandOff::Page page, QWidget *parent = nullptr);

    // Rebuilds the buttons from the page as the speech service has it now.
    void refresh();
    // The captions the window shows instead of the page's own (the interface language's);
    // takes effect at the next refresh.
    void setCaptions(Captions captions) { m_captions = std::move(captions); }

private:
    QString caption(const QString &element, const QString &pageCaption) const;

    SpeechHandOff::Page m_page = SpeechHandOff::Page::Speaker;
    Captions m_captions;
};
