#pragma once

#include <QPixmap>
#include <QPoint>
#include <QSize>

class QLabel;
class QWidget;

// Display layouts of the number grid, as stored in the parameter record.
enum class DisplayLayout { Normal = 1, Grid7x7 = 2, Grid6x9 = 3, Grid5x10 = 4, Grid7x7Columns = 5, General = 6 };

// The two cell pictures shared by the main window and the viewer.
struct CellPictures {
    QPixmap imagecochee;  // the tick mark
    QPixmap imagevide;    // transparent, so the background shows through
};
CellPictures makeCellPictures();

// A panel of number cells (children with the "Tag" property = their number) and its
// background picture.
struct GridPanels {
    QWidget *pgrille = nullptr;
    QLabel *Image1 = nullptr;
};

enum class LayoutCaller { Main, Viewer };

// Top-left corner of number n's cell inside its panel (layouts 1..5, n 1..49).
QPoint cellPosition(int layout, int n);
// Cell size of a layout: 22 x 22 in the two 7x7 layouts, 14 x 20 otherwise.
QSize cellSize(int layout);
// Background picture of a layout 1..5, drawn with each number at its cell position.
QPixmap gridBackground(int layout);

// The number cell of a panel, addressed by Tag; nullptr when none has that Tag.
QLabel *cellOf(QWidget *panel, int number);

// Sets the size of every cell with Tag 1..60 of a panel.
void ptaillecases(QWidget *panel, int width, int height);

// Applies a layout to the cells of the main window and of the viewer: sizes, then places cells
// 1..49 and the background. Layout 1 places only the caller's panel; layouts 2..5 called by the
// main window place both panels, called by the viewer none; layout 6 places nothing.
void pappliqueaffichage(int layout, LayoutCaller caller, const GridPanels &main,
                        const GridPanels &viewer);
