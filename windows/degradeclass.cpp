#include "windows/degradeclass.h"

#include <QColor>
#include <QEvent>
#include <QPainter>

TDegradeClass::TDegradeClass(QWidget *parent) : QWidget(parent)
{
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
    lower();
}

void TDegradeClass::SetStartColor(BgrColor value)
{
    if (value == m_startColor)
        return;
    m_startColor = value;
    update();
}

void TDegradeClass::SetEndColor(BgrColor value)
{
    if (value == m_endColor)
        return;
    m_endColor = value;
    update();
}

void TDegradeClass::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (const GradientBand &band : gradientBands(height(), m_startColor, m_endColor)) {
        if (band.bottom > band.top)
            painter.fillRect(0, band.top, width(), band.bottom - band.top,
                             QColor(band.red, band.green, band.blue));
    }
}

bool TDegradeClass::eventFilter(QObject *watched, QEvent *event)
{
    // Follow the parent's client area, as a control aligned to its whole client would.
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}
