#include "LabelText.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QTextDocument>

#include "QStringPrinting.h"

using vexilor::labelMarkup;

namespace {

// What the user reads in a label showing the caption.
QString shownText(const QString& caption) {
    QTextDocument document;
    document.setHtml(labelMarkup(caption));
    return document.toPlainText();
}

}  // namespace

TEST(ReadingTheStatusLine, AnAmpersandIsHiddenAndADoubledOneShowsOnce) {
    EXPECT_EQ(shownText("/home/R&D/"), "/home/RD/");
    EXPECT_EQ(shownText("/home/R&&D/"), "/home/R&D/");
    EXPECT_EQ(shownText("end&"), "end");
}

TEST(ReadingTheStatusLine, TheCharacterAfterAnAmpersandIsUnderlined) {
    EXPECT_TRUE(labelMarkup("R&D").contains("<u>D</u>"));
    EXPECT_FALSE(labelMarkup("R&&D").contains("<u>"));
}

TEST(ReadingTheStatusLine, MarkupInTheTextIsShownAsItStands) {
    EXPECT_EQ(shownText("Фон: <b>7</b>  x"), "Фон: <b>7</b>  x");
}

TEST(ReadingTheStatusLine, ALabelShowsAPlainCaptionAsItStandsAndHidesAnAmpersand) {
    QLabel label;
    EXPECT_TRUE(vexilor::setLabelCaption(label, "Фон: <7>"));
    EXPECT_EQ(label.text(), "Фон: <7>");
    EXPECT_FALSE(vexilor::setLabelCaption(label, "Фон: <7>"));
    EXPECT_TRUE(vexilor::setLabelCaption(label, "R&D"));
    EXPECT_EQ(label.textFormat(), Qt::RichText);
    EXPECT_TRUE(vexilor::setLabelCaption(label, "Размер:"));
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
}
