#pragma once

#include "windows/gradientbands.h"

#include <QWidget>

// Vertical two-colour gradient painted behind every other control of a window. It covers its
// parent's whole client area, follows the parent's size and stays the rearmost child.
class TDegradeClass : public QWidget {
    Q_OBJECT
public:
    // Created blue to red; with a parent it fills the parent and goes behind its children.
    explicit TDegradeClass(QWidget *parent = nullptr);

    // Colours of the top band (start) and of the bottom band (end).
    BgrColor StartColor() const { return m_startColor; }
    BgrColor EndColor() const { return m_endColor; }

    // Store the colour of the top (start) or bottom (end) and repaint; a value equal to the
    // stored one changes nothing and requests no repaint.
    void SetStartColor(BgrColor value);
    void SetEndColor(BgrColor value);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    BgrColor m_startColor = defaultGradientStart;
    BgrColor m_endColor = defaultGradientEnd;
};
