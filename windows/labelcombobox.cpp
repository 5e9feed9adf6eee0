#include "windows/labelcombobox.h"

#include <QAbstractItemView>
#include <QScreen>
#include <QStylePainter>

#include <QStyledItemDelegate>
#include <algorithm>

namespace {

class LabelDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = visibleLabel(option->text);
    }
};

}  // namespace

QString visibleLabel(const QString &itemText)
{
    qsizetype end = itemText.size();
    while (end > 0 && itemText[end - 1].isDigit())
        --end;
    while (end > 0 && itemText[end - 1] == ' ')
        --end;
    return itemText.left(end);
}

LabelComboBox::LabelComboBox(QWidget *parent) : QComboBox(parent)
{
    setItemDelegate(new LabelDelegate(this));
}

void LabelComboBox::showPopup()
{
    QComboBox::showPopup();
    // The base class widens the list to its longest item text, padding included.
    int widest = width();
    const QFontMetrics metrics = view()->fontMetrics();
    for (int i = 0; i < count(); ++i)
        widest = qMax(widest, metrics.horizontalAdvance(visibleLabel(itemText(i))) + 32);
    QWidget *popup = view()->window();
    if (popup->width() <= widest)
        return;
    // The base class placed the wide list to fit the screen; the narrow one opens under the box.
    popup->resize(widest, popup->height());
    int left = mapToGlobal(QPoint(0, 0)).x();
    if (const QScreen *shown = screen())
        left = std::min(left, shown->availableGeometry().right() + 1 - widest);
    popup->move(left, popup->y());
}

void LabelComboBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = visibleLabel(option.currentText);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
