#include "windows/keyfilter.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QTimer>

#include <utility>

namespace {

class KeyRuleFilter : public QObject {
public:
    KeyRuleFilter(QObject *parent, KeyRule rule) : QObject(parent), m_rule(rule) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            return !keyPasses(*static_cast<QKeyEvent *>(event), m_rule);
        return QObject::eventFilter(watched, event);
    }

private:
    KeyRule m_rule;
};

class NumberBoxFilter : public QObject {
public:
    NumberBoxFilter(QComboBox *box, std::function<void(QComboBox *)> leave)
        : QObject(box), m_box(box), m_leave(std::move(leave))
    {
        box->installEventFilter(this);
        box->view()->window()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_box) {
            // The list closed, after a pick or not: once the box has taken the picked item, its
            // text counts as left. The box's own activation signal is no help here: it also
            // fires when typed text that matches an item loses the focus.
            if (event->type() == QEvent::Hide)
                QTimer::singleShot(0, m_box, [this] { m_leave(m_box); });
            return QObject::eventFilter(watched, event);
        }
        if (event->type() == QEvent::KeyPress)
            return !keyPasses(*static_cast<QKeyEvent *>(event), KeyRule::DigitsAndBackspace);
        if (event->type() == QEvent::FocusOut && leavesTheBox(*static_cast<QFocusEvent *>(event)))
            m_leave(m_box);
        return QObject::eventFilter(watched, event);
    }

private:
    // Leaving is the player moving to another control of the window, by the mouse or the
    // keyboard. The box's own list opening, another window or program taking the focus, and
    // focus cleared by the program (a window closing, a control hidden) are no leaving.
    bool leavesTheBox(const QFocusEvent &event) const
    {
        switch (event.reason()) {
        case Qt::MouseFocusReason:
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            return !m_box->view()->isVisible();
        default:
            return false;
        }
    }

    QComboBox *m_box;
    std::function<void(QComboBox *)> m_leave;
};

}  // namespace

bool keyPasses(const QKeyEvent &key, KeyRule rule)
{
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return true;
    case Qt::Key_Backspace:
        return rule == KeyRule::DigitsAndBackspace;
    default:
        break;
    }
    // Shortcuts (copy, select all, ...) type no character into the field.
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return true;
    const QString typed = key.text();
    if (typed.isEmpty())
        return true;
    if (typed.size() != 1)
        return false;
    const QChar c = typed.front();
    if (c >= '0' && c <= '9')
        return true;
    return rule == KeyRule::SignedDigits && (c == '+' || c == '-');
}

void filterKeys(QWidget *field, KeyRule rule)
{
    field->installEventFilter(new KeyRuleFilter(field, rule));
}

void makeNumberBox(QComboBox *box, std::function<void(QComboBox *)> leave)
{
    new NumberBoxFilter(box, std::move(leave));
}
