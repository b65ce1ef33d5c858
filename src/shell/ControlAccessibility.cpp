#include "shell/ControlAccessibility.h"

#include "shell/ClickLabel.h"
#include "shell/Controls.h"
#include "shell/Form.h"
#include "shell/OutOfSight.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {
// A caption's access key marker is no part of what it says: "&Stimme" says "Stimme", "&&" says "&".
QString withoutAccessKey(const QString &caption)
{
    QString said;
    said.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size())
            ++i;
        said += caption.at(i);
    }
    return said;
}

QString caption(const QWidget *w)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return withoutAccessKey(button->text());
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->buddy() ? withoutAccessKey(label->text()) : label->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(w))
        return withoutAccessKey(frame->title());
    return {};
}

// Runs after the request from the bus has been answered, as Qt's own buttons do: a handler
// that waits or shows a message must not hold the screen reader.
template <class W, class Action>
void later(W *w, Action action)
{
    QPointer<W> alive = w;
    QTimer::singleShot(0, w, [alive, action] {
        if (alive)
            action(alive.data());
    });
}

// A control outside its window's visible area: nothing shows, nothing can be done with it.
class OutOfSightAccessible : public QAccessibleWidget
{
public:
    explicit OutOfSightAccessible(QWidget *w) : QAccessibleWidget(w, roleOf(w)) {}

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = true;
        s.offscreen = true;
        s.disabled = !widget()->isEnabled();
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return caption(widget());
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {}; }
    void doAction(const QString &) override {}

private:
    static QAccessible::Role roleOf(const QWidget *w)
    {
        if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            return button->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
        if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w))
            return QAccessible::EditableText;
        if (qobject_cast<const QAbstractItemView *>(w))
            return QAccessible::List;
        if (qobject_cast<const QLabel *>(w))
            return QAccessible::StaticText;
        if (qobject_cast<const QGroupBox *>(w))
            return QAccessible::Grouping;
        return QAccessible::Client;
    }
};

// A button or check box of the program's windows. Its action through the bus is a click, as
// with the mouse: the window's click handlers run, a check box changes and reports the click
// (Qt's own interface only toggles a check box, which no click handler sees).
class ButtonAccessible : public QAccessibleWidget
{
public:
    explicit ButtonAccessible(QAbstractButton *b) : QAccessibleWidget(b, QAccessible::Button) {}

    QAccessible::Role role() const override
    {
        return button()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const QAbstractButton *b = button();
        s.checkable = b->isCheckable();
        s.checked = b->isChecked();
        if (const auto *box = qobject_cast<const QCheckBox *>(b))
            s.checkStateMixed = box->checkState() == Qt::PartiallyChecked;
        s.pressed = b->isDown();
        if (const auto *push = qobject_cast<const QPushButton *>(b))
            s.defaultButton = push->isDefault();
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        QString said;
        if (t == QAccessible::Name) {
            said = widget()->accessibleName();
            if (said.isEmpty())
                said = caption(widget());
        } else if (t == QAccessible::Accelerator) {
            said = button()->shortcut().toString(QKeySequence::NativeText);
        }
        return said.isEmpty() ? QAccessibleWidget::text(t) : said;
    }
    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << ownAction();
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        if (name != pressAction() && name != toggleAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        if (widget()->isEnabled())
            later(button(), [](QAbstractButton *b) { b->animateClick(); });
    }
    QStringList keyBindingsForAction(const QString &name) const override
    {
        if (name != ownAction() || button()->shortcut().isEmpty())
            return {};
        return {button()->shortcut().toString(QKeySequence::NativeText)};
    }

private:
    QAbstractButton *button() const { return static_cast<QAbstractButton *>(object()); }
    QString ownAction() const { return button()->isCheckable() ? toggleAction() : pressAction(); }
};

// A label that answers clicks (or only double clicks): pressed through the bus it does what the
// mouse does to it.
class ClickLabelAccessible : public QAccessibleWidget
{
public:
    explicit ClickLabelAccessible(ClickLabel *l) : QAccessibleWidget(l, QAccessible::StaticText) {}

    // One the Tab key reaches is a button to the keyboard, and is said to be one.
    QAccessible::Role role() const override
    {
        if (label()->focusPolicy() & Qt::TabFocus)
            return QAccessible::Button;
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return caption(widget());
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled() && label()->answersClicks())
            names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        if (widget()->isEnabled())
            later(label(), [](ClickLabel *l) { l->press(); });
    }

private:
    ClickLabel *label() const { return static_cast<ClickLabel *>(object()); }
};

// A combo box one can type into, named after what it is for, its help text. Qt names it after
// the text in its field on this desktop, which a screen reader then says twice, as name and as
// the field's content. (A list one only chooses from keeps Qt's name, the entry chosen.)
class ComboAccessible : public QAccessibleWidget
{
public:
    explicit ComboAccessible(QComboBox *c) : QAccessibleWidget(c, QAccessible::ComboBox) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view()->isVisible();
        s.editable = combo()->isEditable();
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? widget()->toolTip() : name;
        }
        if (t == QAccessible::Value)
            return combo()->isEditable() ? combo()->lineEdit()->text() : combo()->currentText();
        return QAccessibleWidget::text(t);
    }
    // The list and, where one can type, the field.
    int childCount() const override { return combo()->isEditable() ? 2 : 1; }
    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(combo()->view());
        if (index == 1 && combo()->isEditable())
            return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->object() == combo()->view())
            return 0;
        if (combo()->isEditable() && child->object() == combo()->lineEdit())
            return 1;
        return -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name != showMenuAction() && name != pressAction())
            return;
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }

private:
    QComboBox *combo() const { return static_cast<QComboBox *>(object()); }
};

QAccessibleInterface *controlInterface(const QString &className, QObject *object)
{
    Q_UNUSED(className);
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *w = static_cast<QWidget *>(object);
    if (auto *form = qobject_cast<Form *>(w))
        return new QAccessibleWidget(form, form->isDialog() ? QAccessible::Dialog : QAccessible::Window);
    if (w->isWindow())
        return nullptr;
    if (OutOfSight::is(w))
        return new OutOfSightAccessible(w);
    // Only the program's own windows; Qt's dialogs keep Qt's interfaces.
    if (!qobject_cast<Form *>(w->window()))
        return nullptr;
    if (auto *label = qobject_cast<ClickLabel *>(w))
        return new ClickLabelAccessible(label);
    if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->isEditable())
        return new ComboAccessible(combo);
    if (qobject_cast<QPushButton *>(w) || qobject_cast<QCheckBox *>(w))
        return new ButtonAccessible(static_cast<QAbstractButton *>(w));
    return nullptr;
}

QAccessible::UpdateHandler &nextHandler()
{
    static QAccessible::UpdateHandler next = nullptr;
    return next;
}

void reportUpdate(QAccessibleEvent *event)
{
    if (!ControlAccessibility::passes(*event))
        return;
    if (QAccessible::UpdateHandler next = nextHandler()) {
        next(event);
        return;
    }
    // Qt reports to the bus itself when no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&reportUpdate);
}

void forgetInterface(QObject *object)
{
    if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

// The bus chooses a list entry through the selection alone; a click and the arrow keys also
// make it the current entry, which is what the windows follow.
void followSelection(QAbstractItemView *view)
{
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, view,
                     [view](const QItemSelection &selected) {
                         const QModelIndexList chosen = selected.indexes();
                         if (chosen.size() != 1 || chosen.first() == view->currentIndex())
                             return;
                         view->selectionModel()->setCurrentIndex(chosen.first(), QItemSelectionModel::NoUpdate);
                     });
}
}

bool ControlAccessibility::passes(const QAccessibleEvent &event)
{
    // Nothing a control out of sight does reaches the bus: the program moves the focus through
    // its stores in the middle of a translation, and a screen reader must not say so.
    QObject *object = event.object();
    if (OutOfSight::is(object))
        return false;
    const QAccessible::Event type = event.type();
    // A list of a window reports its current entry as the focus whenever the entry changes,
    // even while the keyboard is elsewhere, as when typing in the input field selects the
    // entry found. A screen reader would follow it away from where the keys go.
    if (type == QAccessible::Focus) {
        const auto *view = qobject_cast<QAbstractItemView *>(object);
        if (view && !view->hasFocus() && qobject_cast<Form *>(view->window()))
            return false;
    }
    // A field that gets the focus moves its caret before Qt reports the focus; a screen reader
    // then takes the caret move for the focus and says nothing of the field. The focus report
    // says where the caret is.
    static QPointer<QObject> reportedFocus;
    if (type == QAccessible::Focus) {
        reportedFocus = object;
    } else if ((type == QAccessible::TextCaretMoved || type == QAccessible::TextSelectionChanged)
               && object != reportedFocus && object && object->isWidgetType()
               && static_cast<QWidget *>(object)->hasFocus()) {
        return false;
    }
    return true;
}

void ControlAccessibility::install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&controlInterface);
    nextHandler() = QAccessible::installUpdateHandler(&reportUpdate);
}

void ControlAccessibility::prepare(QWidget &window)
{
    OutOfSight::watch(window);
    for (QWidget *control : Controls::of(window))
        if (auto *view = qobject_cast<QAbstractItemView *>(control))
            followSelection(view);
}

void ControlAccessibility::renew(QWidget *control)
{
    forgetInterface(control);
    for (QWidget *part : control->findChildren<QWidget *>())
        forgetInterface(part);
}

void ControlAccessibility::leavesSight(QWidget *control)
{
    QAccessibleEvent hidden(control, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
}

void ControlAccessibility::entersSight(QWidget *control)
{
    if (!control->isVisible())
        return;
    QAccessibleEvent shown(control, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
