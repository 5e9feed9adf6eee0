#pragma once

#include <QDialog>

class TDegradeClass;

// A secondary window of the program: fixed client size, the gradient background behind every
// control, and its show and activation handlers run when it appears.
class FormDialog : public QDialog {
    Q_OBJECT
public:
    FormDialog(const QString &name, int clientWidth, int clientHeight, QWidget *parent);

    TDegradeClass *DegradeClass1 = nullptr;

protected:
    // The window's own show handler, then its activation handler.
    virtual void whenShown() {}
    virtual void whenActivated() {}

    void showEvent(QShowEvent *event) override;
};
