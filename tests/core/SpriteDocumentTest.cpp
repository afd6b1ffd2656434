#include "SpriteDocument.h"

#include <functional>

#include "AutoMask.h"
#include "CoreTesting.h"
#include "ListingReader.h"
#include "SpriteListing.h"

using vexilor::SpriteDocument;
using vexilor::SpriteFrame;

namespace {

// Frame `id` has its pixel (id, 0) set, so the frames' order reads as their ids.
SpriteFrame frameNumbered(int id) {
    SpriteFrame frame;
    frame.pixels.set(vexilor::SpriteStore::pixelIndex(id, 0));
    return frame;
}

std::string ids(const SpriteDocument& document) {
    std::string order;
    for (int i = 0; i < document.frameCount(); ++i)
        for (int id = 0; id < 64; ++id)
            if (document.frameStore(i).pixel(id, 0) == 1)
                order += std::to_string(id);
    return order;
}

// Frames 0, 1 and 2 of 8 x 8 pixels.
SpriteDocument threeFrames() {
    SpriteDocument document;
    document.setFramePixels(0, frameNumbered(0).pixels);
    document.insertFrame(1, frameNumbered(1));
    document.insertFrame(2, frameNumbered(2));
    return document;
}

}  // namespace

TEST(EditingFrames, InsertsRemovesAndMovesFramesWithinTheLimits) {
    using Edit = std::function<void(SpriteDocument&)>;
    const struct {
        const char* what;
        Edit edit;
        std::string order;  // or the refusal's message
    } edits[] = {
        {"insert first", [](auto& d) { d.insertFrame(0, frameNumbered(5)); }, "5012"},
        {"insert last", [](auto& d) { d.insertFrame(3, frameNumbered(5)); }, "0125"},
        {"remove middle", [](auto& d) { d.removeFrame(1); }, "02"},
        {"move forward", [](auto& d) { d.moveFrame(0, 2); }, "120"},
        {"move back", [](auto& d) { d.moveFrame(2, 1); }, "021"},
        {"set pixels", [](auto& d) { d.setFramePixels(2, frameNumbered(7).pixels); }, "017"},
        {"insert past the end", [](auto& d) { d.insertFrame(4, {}); }, "there is no frame 5 of 3"},
        {"remove none", [](auto& d) { d.removeFrame(-1); }, "there is no frame 0 of 3"},
        {"move beyond", [](auto& d) { d.moveFrame(0, 3); }, "there is no frame 4 of 3"},
        {"remove the last one",
         [](auto& d) {
             d.removeFrame(0);
             d.removeFrame(0);
             d.removeFrame(0);
         },
         "a sprite keeps at least one frame"},
        {"insert the 257th",
         [](auto& d) {
             while (d.frameCount() < SpriteDocument::kMaxFrames)
                 d.insertFrame(0, {});
             d.insertFrame(0, {});
         },
         "a sprite has at most 256 frames"},
        {"grow past 64", [](auto& d) { d.setSize(8, 65); },
         "'65' is not a valid sprite size: at most 64"},
    };
    for (const auto& [what, edit, order] : edits) {
        SpriteDocument document = threeFrames();
        try {
            edit(document);
            EXPECT_EQ(ids(document), order) << what;
        } catch (const vexilor::Failure& failure) {
            EXPECT_EQ(failure.what(), order) << what;
        }
    }
    // Documents compare by value: each frame's pixels, the order and the size.
    EXPECT_EQ(threeFrames(), threeFrames());
    SpriteDocument moved = threeFrames();
    moved.moveFrame(0, 1);
    EXPECT_NE(moved, threeFrames());
    moved.moveFrame(1, 0);
    EXPECT_EQ(moved, threeFrames());
    moved.setSize(16, 8);
    EXPECT_NE(moved, threeFrames());
}

TEST(EditingFrames, FramesAndTheirMasksGoThroughTheListingAndBack) {
    SpriteDocument masked = threeFrames();
    masked.setFrameMask(0, vexilor::outsideMask(masked.frameStore(0)));
    masked.setFrameMask(2, vexilor::outlineMask(masked.frameStore(2)));
    for (const SpriteDocument& document : {threeFrames(), masked}) {
        for (bool credits : {false, true}) {
            std::string text;
            for (const std::string& line : vexilor::makeListing(document, credits))
                text += line + "\n";
            EXPECT_EQ(vexilor::readListing(text), document) << text;
        }
    }
    // A mask follows its frame's rows as a listing of its own.
    vexilor::SpriteStore small;
    small.setSize(4, 2);
    small.setPixel(0, 0, 1);
    SpriteDocument one(small);
    one.setFrameMask(0, vexilor::outlineMask(small));
    EXPECT_THAT(vexilor::makeListing(one, false),
                testing::ElementsAre("", "", "    1000", "    0000", "", "", "Маска:", "", "",
                                     "    0011", "    0011"));
    // One frame: the listing of the frame's store.
    EXPECT_EQ(vexilor::makeListing(SpriteDocument(threeFrames().frameStore(1)), true),
              vexilor::makeListing(threeFrames().frameStore(1), true));
}
