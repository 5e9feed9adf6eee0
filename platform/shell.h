#pragma once

#include <string>

// The desktop shell's "open" verb.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens the document with its default handler; the outcome is not reported.
    virtual void openDocument(const std::string &path) = 0;
};
