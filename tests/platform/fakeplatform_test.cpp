#include "platform/fakes/fakeplatform.h"

#include <gtest/gtest.h>

TEST(FailureBox, NamesTheFailingProcedure)
{
    FakeMessageBoxes boxes;
    showFailure(boxes, "pchargegrille");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, "Erreur dans pchargegrille");
    EXPECT_EQ(boxes.boxes[0].body, "Erreur");
    EXPECT_EQ(boxes.boxes[0].buttons, BoxButtons::Ok);
}

TEST(FakeMessageBoxes, AnswersFromTheScriptThenWithTheFirstButton)
{
    FakeMessageBoxes boxes;
    boxes.answers = {BoxAnswer::No};
    EXPECT_EQ(boxes.show("t", "b", BoxButtons::YesNo, BoxIcon::None), BoxAnswer::No);
    EXPECT_EQ(boxes.show("t", "b", BoxButtons::YesNo, BoxIcon::None), BoxAnswer::Yes);
    EXPECT_EQ(boxes.show("t", "b", BoxButtons::OkCancel, BoxIcon::Question), BoxAnswer::Ok);
    EXPECT_EQ(boxes.boxes.size(), 3u);
}

TEST(RecordingPrinter, KeepsEveryOperationWithItsPage)
{
    RecordingPrinter printer;
    ASSERT_TRUE(printer.beginDoc("job"));
    printer.setFont("Fixedsys", 10, true);
    printer.textOut(110, 585, "X");
    printer.newPage();
    printer.setPenWidth(19);
    printer.moveTo(317, 475);
    printer.lineTo(376, 475);
    printer.endDoc();
    const auto texts = printer.of(RecordingPrinter::Op::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].page, 1);
    EXPECT_EQ(texts[0].x, 110);
    EXPECT_EQ(texts[0].y, 585);
    const auto lines = printer.of(RecordingPrinter::Op::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].page, 2);
    EXPECT_EQ(lines[0].x, 317);
    EXPECT_EQ(lines[0].x2, 376);
    EXPECT_EQ(printer.of(RecordingPrinter::Op::PenWidth)[0].value, 19);
    EXPECT_EQ(printer.of(RecordingPrinter::Op::Font)[0].text, "Fixedsys");
    EXPECT_EQ(printer.pages, 2);
}

TEST(RecordingPrinter, RefusesAJobWhenToldTo)
{
    RecordingPrinter printer;
    printer.failBeginDoc = true;
    EXPECT_FALSE(printer.beginDoc("job"));
    EXPECT_TRUE(printer.records.empty());
}
