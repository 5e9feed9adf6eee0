#pragma once

#include <string>

// The default printer, in device units. Texts are UTF-8.
class Printer {
public:
    virtual ~Printer() = default;
    // Starts a print job; false when no job could be started.
    virtual bool beginDoc(const std::string &title) = 0;
    // Whether the last beginDoc gave false because the player cancelled (the choice of a file to
    // print into, when there is no printer): nothing failed, and nothing is to be reported.
    virtual bool cancelledByUser() const { return false; }
    virtual void endDoc() = 0;
    virtual void newPage() = 0;
    virtual void setFont(const std::string &family, int pointSize, bool bold) = 0;
    virtual void textOut(int x, int y, const std::string &text) = 0;
    virtual int textWidth(const std::string &text) = 0;
    virtual int textHeight(const std::string &text) = 0;
    virtual void setPenWidth(int width) = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    virtual int pageWidth() = 0;
    virtual int pageHeight() = 0;
    // Logical pixels per inch along one axis.
    virtual int dpiX() = 0;
    virtual int dpiY() = 0;
    // Distance from the paper's corner to the printable area's corner along one axis.
    virtual int offsetX() = 0;
    virtual int offsetY() = 0;
};
