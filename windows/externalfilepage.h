#pragma once

#include <QWidget>

#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;

// The controls of the external-file wizard on the main window's second page: choice of the
// file, raw preview, replacement boxes, preview after replacement, and the page that prints,
// exports and compares the file's grids. The commands act once the file reader exists; until
// then the page holds its controls, texts and key filters.
class ExternalFilePage : public QWidget {
    Q_OBJECT
public:
    explicit ExternalFilePage(QWidget *parent = nullptr);

    // Copies the catalogue texts into the page and selects the blank separator and "0" lines
    // to skip again.
    void applyTexts(const std::function<std::string(int)> &message);

    // Key filter of the first and last grid fields: only the keys "0" to "9" reach them.
    void GpremierKeyPress(QKeyEvent *event);
    void gdernierKeyPress(QKeyEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFilePage(QWidget *page);
    void buildPreviewPage(QWidget *page, const char *gridName, const char *noteName);
    void buildReplacementPage(QWidget *page);
    void buildUsePage(QWidget *page);

    QStackedWidget *m_Pagecontrolfic = nullptr;
    QPushButton *m_bprecedent = nullptr;
    QPushButton *m_bsuivant = nullptr;
    QGroupBox *m_gfic = nullptr;
    QLabel *m_labfic = nullptr;
    QPushButton *m_bselfic = nullptr;
    QLabel *m_Labseparateur = nullptr;
    QComboBox *m_Combseparateur = nullptr;
    QLabel *m_labNblignesaute = nullptr;
    QComboBox *m_combligne = nullptr;
    QLabel *m_labinfotab2 = nullptr;
    QLabel *m_labinfogrille2 = nullptr;
    QLabel *m_labnumerorep = nullptr;
    QPushButton *m_baffichetous = nullptr;
    QGroupBox *m_gimprimebulletin = nullptr;
    QLabel *m_labtypebulletin = nullptr;
    QGroupBox *m_GroupBox2 = nullptr;
    QRadioButton *m_bimptsbull = nullptr;
    QRadioButton *m_bimpunbull = nullptr;
    QGroupBox *m_ggrilleimp = nullptr;
    QLabel *m_labgprem = nullptr;
    QLineEdit *m_Gpremier = nullptr;
    QLabel *m_labgderni = nullptr;
    QLineEdit *m_gdernier = nullptr;
    QCheckBox *m_Labtopimpnugrille = nullptr;
    QPushButton *m_bimprimer = nullptr;
    QGroupBox *m_gimprimeliste = nullptr;
    QPushButton *m_bimprimeliste = nullptr;
    QGroupBox *m_gexporteliste = nullptr;
    QPushButton *m_bexportliste = nullptr;
    QGroupBox *m_gsysexternecompare = nullptr;
    QPushButton *m_bexternecompare = nullptr;
};
