#pragma once

#include "engine/methodcatalogue.h"
#include "engine/selection.h"
#include "state/appstate.h"

#include <algorithm>
#include <vector>

// The numbers of the worked example of method 1.
inline const std::vector<int> elevenNumbers{3, 7, 12, 18, 22, 25, 31, 36, 40, 44, 49};

// Points the method list at `method`; -1 when the method is not offered.
inline void selectMethod(AppState &state, int method)
{
    const auto found =
        std::find_if(state.methodList.begin(), state.methodList.end(),
                     [method](const MethodListItem &item) { return item.method == method; });
    state.methodListIndex =
        found == state.methodList.end() ? -1 : static_cast<int>(found - state.methodList.begin());
}

// Replaces the ticked numbers, rebuilt in ascending order as the main window does before a grid
// window opens.
inline void tickOnly(AppState &state, const std::vector<int> &numbers)
{
    pdecochetout(state.selection);
    for (const int n : numbers)
        basculecoche(state.selection, n);
    pconstruitnumsel(state.selection);
}

// The program state as the main window leaves it when a grid window opens: catalogue, method
// list in `language`, layout "7x7 (1)", `method` selected and `numbers` ticked.
inline AppState gridState(int method, const std::vector<int> &numbers, int language = 1)
{
    AppState state;
    state.tabmethode = catalogueRows();
    state.params.language = language;
    state.params.displayLayout = 2;
    state.methodList = methodListItems(state.tabmethode, state.labelWords());
    selectMethod(state, method);
    tickOnly(state, numbers);
    return state;
}
