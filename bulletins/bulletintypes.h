#pragma once

#include "platform/messageboxes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How the numbers of one grid stand on a bulletin; number n goes to cell (c, r) of its grid.
enum class NumberLayout {
    R3,        // rows of 3 numbers, 1 in the top-left cell
    R5,        // rows of 5
    R6,        // rows of 6
    R7,        // rows of 7
    R10,       // rows of 10
    Tens,      // one column per ten: column 0 holds 1..9 in rows 1..9
    C7,        // columns of 7 numbers, filled top to bottom
    R9Plus2,   // rows of 9 cells, number 1 in the third cell of the first row
    R14Plus8,  // rows of 14 cells, number 1 in the ninth cell of the first row
};

// How the grids of one bulletin are arranged; grid position p goes to grid cell (gc, gr).
enum class GridOrder {
    Pairs,       // two rows of grids filled column by column: 1 above 2, 3 above 4, ...
    TwoRowsOf5,  // positions 1..5 in the first row, the others in the second
    TwoRowsOf6,  // positions 1..6 in the first row, the others in the second
    Row,         // all grids side by side
    Column,      // all grids one below the other
};

// What ticks a number on the bulletin.
enum class MarkKind {
    UpperX,            // the text "X", top-left corner at the number's point
    LowerX,            // the text "x", same placement
    HorizontalStroke,  // a stroke from the point to the right
    VerticalStroke,    // a stroke from the point downwards
};

// One bulletin layout. Distances are centimetres on the paper, measured from its top-left
// corner.
struct TBulletinType {
    std::string name;      // as the lists show it, trailing blanks included
    double left = 0;       // x of the first number cell of the first grid
    double top = 0;        // y of the first number cell of the first grid
    double cellWidth = 0;  // between two adjacent number cells of a grid
    double cellHeight = 0;
    double gridStepX = 0;  // between two adjacent grids of the bulletin
    double gridStepY = 0;
    std::int32_t gridsAcross = 0;
    std::int32_t gridRows = 0;  // 0: a single row
    bool hidden = false;        // kept in the table but never offered in the lists
    NumberLayout numberLayout = NumberLayout::R7;
    GridOrder gridOrder = GridOrder::Row;
    MarkKind mark = MarkKind::UpperX;
    double strokeLength = 0;     // strokes only
    double strokeThickness = 0;  // strokes only
};

constexpr int bulletinTypeCount = 29;

// Indexed by bulletin type 1..29, the type's identity everywhere; index 0 holds no type.
using BulletinTypeTable = std::array<TBulletinType, bulletinTypeCount + 1>;

// A cell counted from 0: column and row of a number inside its grid, or of a grid on its
// bulletin.
struct Cell {
    int column = 0;
    int row = 0;
};

// A point on the paper in centimetres from its top-left corner.
struct PaperPoint {
    double x = 0;
    double y = 0;
};

// Fills entries 1..29 with the built-in bulletin layouts.
void pinittypebulletin(BulletinTypeTable &bulletinTypes);

// Whether t names a bulletin type (1..29).
bool isBulletinType(int t);

// Grids on one bulletin: gridsAcross x gridRows, a gridRows of 0 counting as one row.
int gridsPerBulletin(const TBulletinType &type);

// Cell of number n inside its grid. Any n is placed where the layout's formula puts it,
// with division truncated towards zero.
Cell numberCell(NumberLayout layout, int n);

// Grid cell of grid position p (1-based) on a bulletin; any p is placed by the formula.
Cell gridCell(GridOrder order, int p);

// Where number n of the grid at position p is marked on a bulletin of this type.
PaperPoint markPoint(const TBulletinType &type, int n, int p);

// Texts of the bulletin type list, sorted as the list shows them: every offered type's name,
// 200 blanks and its index. An allocation failure shows the "Erreur dans
// pgloremplicombotypebulletin" box and returns the items made so far.
std::vector<std::string> pgloremplicombotypebulletin(const BulletinTypeTable &bulletinTypes,
                                                     MessageBoxes &boxes);

// Bulletin type index read from the last 4 characters of the selected list item; 0 when they
// hold no type index. No item selected (nullopt) shows the "erreur dans
// pretournenutypeticketimpression" box and returns 0.
int pretournenutypeticketimpression(std::optional<std::string_view> selectedItem,
                                    MessageBoxes &boxes);
