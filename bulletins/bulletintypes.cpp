#include "bulletins/bulletintypes.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <exception>

namespace {

// The built-in layouts, by type index; the index is also each layout's identity in the lists.
const BulletinTypeTable builtinTypes{{
    {},
    // 1
    {"FRANCE LOTO 10 GRILLES - ANCIEN", 0.89, 2.88, 0.365, 0.365, 2.94, 2.94, 5, 2, false,
     NumberLayout::R7, GridOrder::Pairs, MarkKind::UpperX, 0.0, 0.0},
    // 2
    {"CANADA QUEBEC LOTTO 6/49 6 grilles", 1.1, 1.0, 0.4, 0.63, 2.2, 0.0, 6, 0, false,
     NumberLayout::Tens, GridOrder::Row, MarkKind::UpperX, 0.0, 0.0},
    // 3
    {"ANCIEN LOTTO FRANCAIS MERCREDI SIMPLE", 0.52, 1.55, 0.38, 0.5, 1.9, 0.0, 8, 0, true,
     NumberLayout::Tens, GridOrder::Row, MarkKind::UpperX, 0.0, 0.0},
    // 4
    {"ISRAEL LOTTO", 0.5, 2.435, 0.633, 0.365, 0.0, 1.471, 1, 14, false, NumberLayout::R9Plus2,
     GridOrder::Column, MarkKind::HorizontalStroke, 0.25, 0.08},
    // 5
    {"SUISSE LOTTO (depuis 12/2010) - ROMANDE", 0.45, 1.95, 0.33, 0.424, 2.09, 4.25, 7, 2, false,
     NumberLayout::R6, GridOrder::Pairs, MarkKind::UpperX, 0.0, 0.0},
    // 6
    {"OLD UK NATIONAL LOTTERY", 2.35, 1.0, 0.35, 0.63, 2.12, 0.0, 7, 1, true, NumberLayout::R5,
     GridOrder::Row, MarkKind::UpperX, 0.0, 0.0},
    // 7
    {"MAROC LOTO", 0.55, 1.9, 0.38, 0.6, 1.9, 0.0, 8, 1, false, NumberLayout::Tens, GridOrder::Row,
     MarkKind::UpperX, 0.0, 0.0},
    // 8
    {"ESPANA BONOLOTO DIARO", 0.55, 2.4, 0.38, 0.5, 1.87, 0.0, 8, 1, false, NumberLayout::Tens,
     GridOrder::Row, MarkKind::UpperX, 0.0, 0.0},
    // 9
    {"ESPANA BONOLOTO SEMANAL", 0.58, 2.5, 0.38, 0.5, 1.88, 0.0, 8, 1, false, NumberLayout::Tens,
     GridOrder::Row, MarkKind::UpperX, 0.0, 0.0},
    // 10
    {"CANADA ONTARIO 49 - LOTTO 6/49", 2.99, 1.9, 0.395, 0.5, 2.92, 4.0, 5, 2, false,
     NumberLayout::C7, GridOrder::TwoRowsOf5, MarkKind::UpperX, 0.0, 0.0},
    // 11
    {"BELGIQUE LOTTO 6/42", 1.02, 2.8, 0.39, 0.38, 1.97, 3.85, 7, 2, false, NumberLayout::R5,
     GridOrder::Pairs, MarkKind::UpperX, 0.0, 0.0},
    // 12
    {"CANADA QUEBEC LOTTO 6/49 8 grilles", 1.1, 1.0, 0.4, 0.63, 2.02, 0.0, 8, 1, false,
     NumberLayout::Tens, GridOrder::Row, MarkKind::UpperX, 0.0, 0.0},
    // 13
    {"DEUTCHLAND LOTTO ", 2.63, 1.2, 0.38, 0.428, 2.555, 3.0, 6, 2, false, NumberLayout::R7,
     GridOrder::Pairs, MarkKind::LowerX, 0.0, 0.0},
    // 14
    {"PUERTO RICO LOTO", 4.25, 1.7, 0.38, 0.65, 2.28, 3.0, 5, 1, false, NumberLayout::R5,
     GridOrder::Row, MarkKind::UpperX, 0.0, 0.0},
    // 15
    {"PORTUGAL TOTOLOTO ", 2.2, 1.53, 0.382, 0.42, 2.72, 2.94, 5, 2, false, NumberLayout::R7,
     GridOrder::Pairs, MarkKind::LowerX, 0.0, 0.0},
    // 16
    {"US FLORIDA LOTTO 6/53", 4.9, 1.1, 0.4, 0.64, 2.765, 0.0, 5, 1, false, NumberLayout::R6,
     GridOrder::Row, MarkKind::UpperX, 0.0, 0.0},
    // 17
    {"UK LOTTO 2011", 1.1, 2.19, 0.64, 0.382, 0.0, 2.36, 1, 7, false, NumberLayout::R10,
     GridOrder::Column, MarkKind::HorizontalStroke, 0.2, 0.17},
    // 18
    {"SOUTH AFRICA LOTTO ", 1.35, 1.2, 0.385, 0.64, 1.915, 0.0, 8, 1, false, NumberLayout::R5,
     GridOrder::Row, MarkKind::VerticalStroke, 0.15, 0.15},
    // 19
    {"HRVATSKA LOTO 6-45", 2.71, 2.1, 0.405, 0.4, 1.265, 0.0, 8, 1, false, NumberLayout::R3,
     GridOrder::Row, MarkKind::UpperX, 0.0, 0.0},
    // 20
    {"SUISSE LOTTO SWISSLOS (NEU MIT PLUS)", 0.7, 1.45, 0.34, 0.4, 2.08, 3.72, 7, 2, false,
     NumberLayout::R6, GridOrder::Pairs, MarkKind::UpperX, 0.0, 0.0},
    // 21
    {"DEUTSCHLAND TOTO AUSWAHLWETTE SAAR", 0.78, 1.43, 0.35, 0.418, 2.44, 2.93, 6, 2, false,
     NumberLayout::R7, GridOrder::Pairs, MarkKind::UpperX, 0.0, 0.0},
    // 22
    {"DEUTSCHLAND TOTO AUSWAHLWETTE BADEN WURTTEMBERG", 2.29, 1.1, 0.33, 0.4, 2.3, 2.88, 6, 2,
     false, NumberLayout::R7, GridOrder::Pairs, MarkKind::UpperX, 0.0, 0.0},
    // 23
    {"FRANCE LOTO 10 GRILLES", 0.89, 2.9, 0.365, 0.365, 2.94, 2.94, 5, 2, false, NumberLayout::R7,
     GridOrder::Pairs, MarkKind::UpperX, 0.0, 0.0},
    // 24
    {"MOCAMBIQUE TOTOLOTO", 2.29, 1.65, 0.37, 0.43, 2.65, 2.92, 4, 2, false, NumberLayout::R7,
     GridOrder::Pairs, MarkKind::UpperX, 0.0, 0.0},
    // 25
    {"SUISSE TOTO-X SPORT-TOTO", 0.87, 2.09, 0.34, 0.428, 2.04, 2.98, 7, 2, false, NumberLayout::R6,
     GridOrder::Pairs, MarkKind::UpperX, 0.0, 0.0},
    // 26
    {"ROUMANIA 6/49", 4.2, 3.3, 0.465, 0.44, 0.0, 2.18, 1, 3, false, NumberLayout::R10,
     GridOrder::Column, MarkKind::UpperX, 0.0, 0.0},
    // 27
    {"ITALIA SuperEnalotto 5 pannelli", 1.1, 2.95, 0.5, 0.3, 0.0, 2.1, 1, 5, false,
     NumberLayout::R14Plus8, GridOrder::Column, MarkKind::VerticalStroke, 0.05, 0.25},
    // 28
    {"DEUTSCHLAND LOTTO MUNCHEN", 0.53, 2.0, 0.37, 0.392, 2.58, 2.78, 6, 2, false, NumberLayout::R7,
     GridOrder::Pairs, MarkKind::UpperX, 0.0, 0.0},
    // 29
    {"DEUTSCHLAND LOTTO 6AUS49 Westlotto", 0.65, 1.9, 0.4, 0.45, 2.8, 3.12, 6, 2, false,
     NumberLayout::R7, GridOrder::TwoRowsOf6, MarkKind::UpperX, 0.0, 0.0},
}};

// Case-blind order of the list texts, as a sorted drop-down list shows them; texts equal but
// for case keep a fixed order by their bytes.
bool listOrder(const std::string &a, const std::string &b)
{
    const auto less = [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) <
               std::toupper(static_cast<unsigned char>(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), less))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), less))
        return false;
    return a < b;
}

// Rows of `width` cells, number 1 standing in cell `firstCell` of the first row. Computed in
// 64 bits so that any 32-bit number read from a file is placed without overflow.
Cell inRows(int n, int width, int firstCell)
{
    const std::int64_t k = std::int64_t{n} - 1 + firstCell;
    return {static_cast<int>(k % width), static_cast<int>(k / width)};
}

}  // namespace

void pinittypebulletin(BulletinTypeTable &bulletinTypes)
{
    bulletinTypes = builtinTypes;
}

bool isBulletinType(int t)
{
    return t >= 1 && t <= bulletinTypeCount;
}

int gridsPerBulletin(const TBulletinType &type)
{
    return type.gridRows == 0 ? type.gridsAcross : type.gridsAcross * type.gridRows;
}

Cell numberCell(NumberLayout layout, int n)
{
    switch (layout) {
    case NumberLayout::R3:
        return inRows(n, 3, 0);
    case NumberLayout::R5:
        return inRows(n, 5, 0);
    case NumberLayout::R6:
        return inRows(n, 6, 0);
    case NumberLayout::R7:
        return inRows(n, 7, 0);
    case NumberLayout::R10:
        return inRows(n, 10, 0);
    case NumberLayout::Tens:
        return {n / 10, n % 10};
    case NumberLayout::C7: {
        const Cell transposed = inRows(n, 7, 0);
        return {transposed.row, transposed.column};
    }
    case NumberLayout::R9Plus2:
        return inRows(n, 9, 2);
    case NumberLayout::R14Plus8:
        return inRows(n, 14, 8);
    }
    return {};
}

Cell gridCell(GridOrder order, int p)
{
    const std::int64_t k = std::int64_t{p} - 1;
    switch (order) {
    case GridOrder::Pairs:
        return {static_cast<int>(k / 2), static_cast<int>(k % 2)};
    case GridOrder::TwoRowsOf5:
        return k < 5 ? Cell{static_cast<int>(k), 0} : Cell{static_cast<int>(k - 5), 1};
    case GridOrder::TwoRowsOf6:
        return k < 6 ? Cell{static_cast<int>(k), 0} : Cell{static_cast<int>(k - 6), 1};
    case GridOrder::Row:
        return {static_cast<int>(k), 0};
    case GridOrder::Column:
        return {0, static_cast<int>(k)};
    }
    return {};
}

PaperPoint markPoint(const TBulletinType &type, int n, int p)
{
    const Cell cell = numberCell(type.numberLayout, n);
    const Cell grid = gridCell(type.gridOrder, p);
    return {type.left + grid.column * type.gridStepX + cell.column * type.cellWidth,
            type.top + grid.row * type.gridStepY + cell.row * type.cellHeight};
}

std::vector<std::string> pgloremplicombotypebulletin(const BulletinTypeTable &bulletinTypes,
                                                     MessageBoxes &boxes)
{
    std::vector<std::string> items;
    try {
        for (int i = 1; i <= bulletinTypeCount; ++i) {
            const TBulletinType &type = bulletinTypes[static_cast<std::size_t>(i)];
            if (!type.hidden)
                items.push_back(type.name + std::string(200, ' ') + std::to_string(i));
        }
    } catch (const std::exception &) {
        showFailure(boxes, "pgloremplicombotypebulletin");
    }
    std::sort(items.begin(), items.end(), listOrder);
    return items;
}

int pretournenutypeticketimpression(std::optional<std::string_view> selectedItem,
                                    MessageBoxes &boxes)
{
    if (!selectedItem) {
        boxes.show("erreur dans pretournenutypeticketimpression",
                   "erreur dans pretournenutypeticketimpression", BoxButtons::Ok,
                   BoxIcon::Exclamation);
        return 0;
    }
    const std::string_view item = *selectedItem;
    std::string_view tail = item.substr(item.size() - std::min<std::size_t>(item.size(), 4));
    while (!tail.empty() && tail.front() == ' ')
        tail.remove_prefix(1);
    while (!tail.empty() && tail.back() == ' ')
        tail.remove_suffix(1);
    int t = 0;
    const auto [end, error] = std::from_chars(tail.data(), tail.data() + tail.size(), t);
    if (tail.empty() || error != std::errc() || end != tail.data() + tail.size())
        return 0;
    // Only a real type index may reach the tables.
    return isBulletinType(t) ? t : 0;
}
