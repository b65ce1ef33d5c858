#include "speech/PageView.h"

#include "app/Twips.h"
#include "speech/SpeechPage.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PageView::PageView(SpeechPage *page, QWidget *parent) : QWidget(parent), m_page(page)
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
    if (!m_page || !m_page->isLoaded()) {
        auto *missing = new QLabel(tr("Seite nicht gefunden"), this);
        missing->setWordWrap(true);
        layout->addWidget(missing);
        return;
    }
    for (const SpeechPage::Element &element : m_page->elements()) {
        auto *button = new QPushButton(element.caption, this);
        button->setObjectName(element.name);
        button->setFocusPolicy(Qt::NoFocus);
        const QString name = element.name;
        connect(button, &QPushButton::clicked, this, [this, name] { m_page->click(name); });
        layout->addWidget(button);
    }
}
