#pragma once

#include <QFrame>
#include <QPixmap>
#include <QPoint>
#include <QSize>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QLabel;

// Display layouts of the number grid, as stored in the parameter record.
enum class DisplayLayout {
    Normal = 1,
    Grid7x7 = 2,
    Grid6x9 = 3,
    Grid5x10 = 4,
    Grid7x7Columns = 5,
    General = 6
};

// The two cell pictures shared by the main window and the viewer.
struct CellPictures {
    QPixmap imagecochee;  // the tick mark
    QPixmap imagevide;    // transparent, so the background shows through
};
CellPictures makeCellPictures();

// Top-left corner of number n's cell inside its panel (layouts 1..5, n 1..49).
QPoint cellPosition(int layout, int n);
// Cell size of a layout: 22 x 22 in the two 7x7 layouts, 14 x 20 otherwise.
QSize cellSize(int layout);
// Background picture of a layout 1..5, drawn with each number at its cell position.
QPixmap gridBackground(int layout);

// A panel of number cells over the picture of the number grid: the main window's grid and the
// viewer's are both one. Each cell is a child label whose "Tag" property is its number; the
// background label `Image1` lies beneath them. The cell pictures belong to the caller and must
// outlive the panel.
class NumberGridPanel : public QFrame {
    Q_OBJECT
public:
    // Builds `cellCount` cells (numbers 1..cellCount), cell n named by `cellName`(n); only the
    // cells 1..49 are shown.
    NumberGridPanel(const CellPictures &pictures, int cellCount,
                    const std::function<QString(int)> &cellName, QWidget *parent);

    // The cell of number n, or nullptr when the panel has none.
    QLabel *cell(int n) const;
    QLabel *background() const { return m_Image1; }

    // Sizes every cell for the layout (ptaillecases); when `place` is set and the layout is one
    // of 1..5, also places cells 1..49 and the layout's background picture.
    void applyLayout(int layout, bool place);

    // Gives cell n the tick picture or the empty one.
    void showCell(int n, bool ticked);
    // Shows each cell ticked exactly when its number's flag is not 0.
    void showFlags(const std::array<std::int16_t, 100> &flags);

signals:
    // A cell was clicked with the left mouse button.
    void cellClicked(int n);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Sets the size of every cell.
    void ptaillecases(int width, int height);

    const CellPictures &m_pictures;
    QLabel *m_Image1 = nullptr;
    std::vector<QLabel *> m_cells;  // index n - 1
};
