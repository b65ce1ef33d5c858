#include "shell/PageView.h"

#include "shell/Twips.h"
#include "speech/SpeechPage.h"
#include "speech/SpeechService.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PageView::PageView(SpeechHandOff::Page page, QWidget *parent) : QWidget(parent), m_page(page)
{
    // The page keeps the desktop's own look, whatever the hosting window's colours are.
    Twips::useDesktopColors(this);
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    refresh();
}

void PageView::refresh()
{
    QLayout *layout = this->layout();
    while (QLayoutItem *item = layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    SpeechService *service = SpeechService::current();
    const SpeechPage *page = service ? &service->page(m_page) : nullptr;
    if (!page || !page->isLoaded()) {
        auto *missing = new QLabel(caption(QString(), QStringLiteral("Seite nicht gefunden")), this);
        missing->setTextFormat(Qt::PlainText);
        missing->setObjectName(QStringLiteral("missing"));
        missing->setWordWrap(true);
        layout->addWidget(missing);
        return;
    }
    for (const SpeechPage::Element &element : page->elements()) {
        auto *button = new QPushButton(caption(element.name, element.caption), this);
        button->setObjectName(element.name);
        button->setFocusPolicy(Qt::NoFocus);
        const QString name = element.name;
        connect(button, &QPushButton::clicked, this, [this, name] { SpeechHandOff::click(m_page, name); });
        layout->addWidget(button);
    }
}

QString PageView::caption(const QString &element, const QString &pageCaption) const
{
    return m_captions ? m_captions(element, pageCaption) : pageCaption;
}
