#pragma once

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
