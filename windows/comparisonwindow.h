#pragma once

#include "compare/comparison.h"
#include "storage/gridfile.h"
#include "windows/formdialog.h"

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class ComparisonListModel;
class MessageBoxes;
class QComboBox;
class QGroupBox;
class QLabel;
class QListView;
class QPushButton;
struct AppState;

// The comparison window: the player types a draw (six numbers and the complementary one), and
// the grids of the selected method or of an external grid file are listed against it, one line
// per grid, with the count of grids for each prize rank.
class TForm8 : public FormDialog {
    Q_OBJECT
public:
    // Builds the window over the program's state and message boxes, which must outlive it.
    TForm8(AppState &state, MessageBoxes &boxes, QWidget *parent);
    ~TForm8() override;

    // 2: the external grid file below is compared; any other value: the generated grids. The
    // opener sets these fields before showing the window; they keep their values between openings.
    std::int32_t compareSource = 0;
    // Path of the external grid file.
    std::string sourceFileName;
    // Field separator of the file: only its first character counts; empty stands for a blank.
    std::string sourceSeparator;
    // Lines skipped at the top of the file; negative counts as 0.
    std::int32_t sourceSkipLines = 0;
    // Entry n (1..100) is the number that stands for number n of the file.
    ReplacementMap sourceReplacement = identityReplacement();

    // On show: captions, every box at "1", counters blank, list empty.
    void initform();
    // On activation: the boxes show the remembered draw, then the captions are fetched again.
    void FormActivate();
    // Compares the typed draw with the grids of the source, unless a number occurs twice in it
    // (then a warning, and nothing changes) or a comparison is already running.
    void Button1Click();
    // Closes the window; during a file comparison, once the current line is compared.
    void BitBtn1Click();
    // Makes `box` a number box: only digits and Backspace can be typed, and Controlesaisie
    // runs when the focus leaves it.
    void Controlenumerique(QComboBox *box);
    // Leaving a box: a text that is not numeric becomes "0", a value above 99 becomes "99".
    void Controlesaisie(QComboBox *box);
    // Fetches every caption in the current language.
    void plibellecomparaison();
    // Keeps the list position + 1 of each box's text (0: no list item) as the remembered draw.
    void pmemorisetirage();
    // Sets each box whose remembered position is above 0 to that list item.
    void prestauretirage();
    // Compares the grids of the selected method over the ticked numbers; never fails.
    void pcomparegrilles();
    // Compares the grids of a text file, handing control to the event loop every 20 ms or so so
    // that the list grows on screen. A failure shows the failure box; the lines read stay and
    // the counters keep their captions.
    void pcomparefichier(const std::string &fileName, const std::string &separator,
                         std::int32_t skipLines, const ReplacementMap &replacement);

    // During a file comparison, stops the run and closes the window once the current line is
    // compared; otherwise closes it at once.
    void reject() override;

signals:
    // After each step of a file comparison: the number of lines compared so far.
    void ordinalsCompared(qsizetype count);

protected:
    void whenShown() override;
    void whenActivated() override;

private:
    void buildDrawPanel();
    void buildCounters();
    Draw typedDraw() const;
    // Writes the counts of the list in the counter labels.
    void showCounters();

    AppState &m_state;
    MessageBoxes &m_boxes;
    ComparisonList m_list;
    // The file comparison in progress; null between runs.
    std::unique_ptr<FileComparison> m_run;
    bool m_closeAfterRun = false;

    QLabel *labtitre = nullptr;
    QLabel *lbullgagnant = nullptr;
    std::array<QComboBox *, 7> m_drawBoxes{};
    QListView *listresul = nullptr;
    ComparisonListModel *m_lines = nullptr;
    QGroupBox *gtitre = nullptr;
    // Group box and counter label of each rank, in the order of allRanks.
    std::array<QGroupBox *, rankCount> m_rankBoxes{};
    std::array<QLabel *, rankCount> m_counters{};
    QPushButton *button1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
};
