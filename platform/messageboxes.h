#pragma once

#include <string>
#include <string_view>

enum class BoxButtons { Ok, OkCancel, YesNo };
enum class BoxIcon { None, Exclamation, Question, Information, Error };
enum class BoxAnswer { Ok, Cancel, Yes, No };

// Message boxes and the system beep. Texts are UTF-8.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box and returns the button the user pressed.
    virtual BoxAnswer show(const std::string &title, const std::string &body, BoxButtons buttons,
                           BoxIcon icon) = 0;
    virtual void beep() = 0;
};

// The box every failing procedure shows: body "Erreur", title "Erreur dans " + its name, OK.
void showFailure(MessageBoxes &boxes, std::string_view procedure);
