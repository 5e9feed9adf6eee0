#include "windows/formdialog.h"

#include "windows/degradeclass.h"

FormDialog::FormDialog(const QString &name, int clientWidth, int clientHeight, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(name);
    setFixedSize(clientWidth, clientHeight);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    DegradeClass1 = new TDegradeClass(this);
    DegradeClass1->setObjectName("DegradeClass1");
    DegradeClass1->SetStartColor(windowGradientStart);
    DegradeClass1->SetEndColor(windowGradientEnd);
}

void FormDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    whenShown();
    whenActivated();
}
