#pragma once

#include <array>
#include <span>

// One row of the built-in message table: the message number and its text in the seven
// languages, in language index order.
struct MessageRow {
    int number;
    std::array<const char *, 7> texts;
};

// Every row that has text, in ascending message number.
std::span<const MessageRow> messageRows();
