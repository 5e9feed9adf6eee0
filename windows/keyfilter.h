#pragma once

#include <QComboBox>
#include <QKeyEvent>

#include <functional>

// Which typed characters a field accepts.
enum class KeyRule {
    Digits,              // "0" to "9"; backspace is discarded too
    DigitsAndBackspace,  // "0" to "9" and backspace
    SignedDigits,        // "0" to "9", "+" and "-"; backspace is discarded
};

// Whether a key press reaches the field under `rule`. Keys that type no character, shortcuts
// with Ctrl, Delete, and the navigation keys (Tab, Shift+Tab, Enter, Return, Escape) always
// pass, so the keyboard can leave the field and press the default button.
bool keyPasses(const QKeyEvent &key, KeyRule rule);

// Discards every key press that `rule` refuses before it reaches `field`. The filter is a child
// of the field and lives as long as it.
void filterKeys(QWidget *field, KeyRule rule);

// Makes an editable combo box a number box: typed characters other than digits and backspace are
// discarded, and `leave` runs when the focus leaves the box for another control of its window
// (by Tab, by a click elsewhere; not for the box's own drop-down list, another window or the
// window closing) and when the box's drop-down list closes (the player picked an item, or not).
// The filter is a child of the box. The filter
// sits on the combo box itself, where its key and focus events arrive (the inner line edit only
// receives them from the combo box).
void makeNumberBox(QComboBox *box, std::function<void(QComboBox *)> leave);
