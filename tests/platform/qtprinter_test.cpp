#include "platform/qt/qtplatform.h"
#include "testfolder.h"

#include <gtest/gtest.h>

TEST(QtPrinter, GeometryIsInPrinterDotsWithinThePaper)
{
    TestFolder folder;
    QtPrinter printer(folder.file("out.pdf").string());
    ASSERT_TRUE(printer.beginDoc("MIRAZOLSYSTEMES"));
    EXPECT_GE(printer.dpiX(), 300);
    EXPECT_EQ(printer.dpiX(), printer.dpiY());
    EXPECT_GE(printer.offsetX(), 0);
    EXPECT_GE(printer.offsetY(), 0);
    // A4 or Letter: at least 8 inches wide and 10 inches high less the margins.
    EXPECT_GT(printer.pageWidth(), 7 * printer.dpiX());
    EXPECT_GT(printer.pageHeight(), 9 * printer.dpiY());
    printer.setFont("Fixedsys", 10, true);
    EXPECT_GT(printer.textWidth("WWWW"), printer.textWidth("W"));
    EXPECT_GT(printer.textHeight("WWWW"), 0);
    printer.textOut(100, 100, "X");
    printer.setPenWidth(19);
    printer.moveTo(317, 475);
    printer.lineTo(376, 475);
    printer.newPage();
    printer.textOut(0, 0, "11");
    printer.endDoc();
    EXPECT_EQ(readBytes(folder.file("out.pdf")).substr(0, 4), "%PDF");
}
