#pragma once

#include <QLabel>
#include <QRect>
#include <QWidget>

// A new child widget of `parent` with its object name and geometry, as every window lays out
// its controls.
template <typename T> T *named(QWidget *parent, const char *name, QRect geometry)
{
    auto *widget = new T(parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// The title label `labtitre` of a window: centred, bold, 14 points.
inline QLabel *titleLabel(QWidget *parent, QRect geometry)
{
    auto *label = named<QLabel>(parent, "labtitre", geometry);
    QFont font = label->font();
    font.setPointSize(14);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
