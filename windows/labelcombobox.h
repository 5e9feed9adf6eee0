#pragma once

#include <QComboBox>

// The part of a list item that the player sees: the text without the number padded behind
// the blanks at its end ("Label" + 200 blanks + "12" shows "Label").
QString visibleLabel(const QString &itemText);

// A drop-down list whose items carry a number after a run of blanks, as the method list and the
// bulletin type lists do. The item texts stay whole (the number is read back from them); the
// closed box and the open list show only each item's label, and the open list is as wide as
// the box or its widest label, never as wide as the padded texts.
class LabelComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit LabelComboBox(QWidget *parent = nullptr);

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
