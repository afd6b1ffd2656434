#include "ListingReader.h"

#include <gmock/gmock.h>

#include "SpriteListing.h"

using vexilor::ListingError;
using vexilor::readListing;
using vexilor::SpriteStore;

namespace {

// A sprite whose pixels make no regular pattern along a row or down a column.
SpriteStore patterned(int width, int height) {
    SpriteStore store;
    store.setSize(width, height);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            store.setPixel(x, y, (x * x + 3 * y + x * y) % 7 < 3 ? 1 : 0);
    return store;
}

// The listing's lines, each followed by the next of `lineEnds` in turn.
std::string text(const SpriteStore& store, bool credits,
                 const std::vector<std::string>& lineEnds = {"\n"}) {
    std::string joined;
    std::size_t i = 0;
    for (const std::string& line : vexilor::makeListing(store, credits))
        joined += line + lineEnds[i++ % lineEnds.size()];
    return joined;
}

std::string edited(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

}  // namespace

TEST(ReadingAListing, GivesBackTheSpriteThatWasSavedAtEverySize) {
    struct Saved {
        int width, height;
        bool credits;
        std::vector<std::string> lineEnds;
        std::string prefix;
        bool lastLineEnd;
    };
    const std::vector<std::string> lf{"\n"}, crlf{"\r\n"}, mixed{"\r\n", "\n"};
    const std::string bom = "\xEF\xBB\xBF";
    for (const auto& [width, height, credits, lineEnds, prefix, lastLineEnd] :
         {Saved{1, 1, false, lf, "", true},
          {4, 4, true, crlf, "", true},
          {12, 8, true, lf, "", false},
          {8, 16, false, crlf, bom, false},
          {64, 64, true, mixed, "", false},
          {64, 64, false, lf, "", true},
          {9, 63, false, mixed, bom, true},
          {64, 1, true, lf, "", true}}) {
        const SpriteStore saved = patterned(width, height);
        std::string listing = prefix + text(saved, credits, lineEnds);
        if (!lastLineEnd)
            listing.resize(listing.find_last_not_of("\r\n") + 1);
        // The rows alone, as a copied sprite has them, read the same.
        const auto lines = vexilor::makeListing(saved, false);
        std::string rows;
        for (auto row = lines.end() - height; row != lines.end(); ++row)
            rows += *row + lineEnds.front();
        for (const SpriteStore& read :
             {readListing(listing).frameStore(0), vexilor::readPictureRows(rows)}) {
            ASSERT_EQ(read.width(), width);
            ASSERT_EQ(read.height(), height);
            for (int x = 0; x < width; ++x)
                for (int y = 0; y < height; ++y)
                    ASSERT_EQ(read.pixel(x, y), saved.pixel(x, y))
                        << x << ", " << y << " of " << width << " x " << height;
        }
    }
}

TEST(ReadingAListing, RefusesAnyOtherTextNamingTheLineAndTheProblem) {
    SpriteStore diagonal;
    for (int i = 0; i < 8; ++i)
        diagonal.setPixel(i, i, 1);
    const std::string eight = text(diagonal, false);
    const std::string one = "\n\n    0\n";
    const std::string zero64 = std::string(64, '0');
    std::string dataLines, rows;
    for (int i = 0; i < 65; ++i)
        dataLines += "   A1: DATA 0, 0, 0, 0, 0, 0, 0, 0, \n";
    for (int i = 0; i < 65; ++i)
        rows += "    0\n";
    std::string frames257 = "\n\n    0";
    for (int i = 1; i < 257; ++i)
        frames257 += "\n\n\n\n\n    0";
    const std::pair<std::string, std::string> refused[] = {
        {"", "line 1: no picture rows"},
        {"\r\n\n", "line 2: no picture rows"},
        {"\n\n\n    0", "line 3: an empty line where the picture should begin"},
        {"\n    0\n", "line 2: expected a second empty line before the picture"},
        {"    0\n", "line 1: expected a DATA line or the two empty lines before the picture"},
        {"\r\n\r\n    0\r\n    00\r\n", "line 4: a row 2 pixels wide where the first row is 1"},
        {"\xEF\xBB\xBF\n\n    0120", "line 3: a row with a character other than 0 and 1"},
        {one + "    0 \n", "line 4: a row with a character other than 0 and 1"},
        {one + "    0\r\r\n", "line 4: a row with a character other than 0 and 1"},
        {"\n\n    \n", "line 3: a row with no pixels"},
        {"\n\n   0\n", "line 3: not a picture row (four blanks, then 0 and 1)"},
        {"\n\n    0" + zero64, "line 3: a row wider than 64 pixels"},
        {"\n\n    00000" + zero64, "line 3: a line longer than any line of a listing"},
        {"\n\n" + rows, "line 67: more than 64 rows"},
        {one + "\n", "line 4: the text ends before the credits"},
        {one + "\n\n", "line 5: the text ends before the credits"},
        {one + "\n" + "x", "line 5: expected a second empty line before the credits"},
        {edited(text(diagonal, true), "2026", "2025"),
         "line 15: not the credit line the editor writes"},
        {text(diagonal, true) + "\n", "line 17: a line after the credits"},
        {edited(eight, "128", "129"),
         "line 1: value 1 of cell A1 is 129 where the picture gives 128"},
        {edited(eight, "A1", "B1"), "line 1: DATA of cell B1 where cell A1 comes next"},
        {edited(eight, "A1", "I1"), "line 1: a cell name other than A1 ... H8"},
        {edited(eight, "1, \n", "1, 0, \n"), "line 1: a DATA line needs 8 values, not 9"},
        {edited(eight, "128", "256"), "line 1: a DATA value that is not a number from 0 to 255"},
        {edited(eight, "64", "064"), "line 1: a DATA value that is not a number from 0 to 255"},
        {edited(eight, "1, \n", "1,\n"), "line 1: a DATA value without \", \" after it"},
        {edited(eight, "    00000001\n", ""),
         "line 1: DATA lines for 8 x 7 pixels: 0 expected, 1 found"},
        {edited(eight, "   A1: DATA 128, 64, 32, 16, 8, 4, 2, 1, \n", ""),
         "line 1: DATA lines for 8 x 8 pixels: 1 expected, 0 found"},
        {dataLines + "\n\n", "line 65: more DATA lines than the 64 cells of the largest sprite"},
        {one + "\n\n\n\n    00\n",
         "line 8: a frame of 2 x 1 pixels where the first frame is 1 x 1"},
        {eight + "\n\n" + one, "line 16: a frame of 1 x 1 pixels where the first frame is 8 x 8"},
        {frames257, "line 1281: more than 256 frames"},
        {one + "\n\nМаска:\n", "line 6: no picture rows"},
        {one + "\n\nМаска:\n\n\n    00\n", "line 9: a mask of 2 x 1 pixels for a frame of 1 x 1"},
        {one + "\n\nМаска:\n\n\n    0\n\n\nМаска:\n", "line 12: a second mask for one frame"},
        {eight + "\n\nМаска:\n" + edited(eight, "128", "127"),
         "line 15: value 1 of cell A1 is 127 where the picture gives 128"},
    };
    for (const auto& [listing, message] : refused) {
        try {
            readListing(listing);
            ADD_FAILURE() << "read: " << listing;
        } catch (const ListingError& error) {
            EXPECT_EQ(error.what(), message);
            EXPECT_EQ("line " + std::to_string(error.line()) + ":",
                      message.substr(0, message.find(':') + 1));
        }
    }
}
