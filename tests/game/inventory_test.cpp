// The inventory panel as a player works it: clicks on its cells, slots and button, the nine
// recipes, the information cards, and the notepad that reads what is carried.
#include "inventory.h"

#include <gtest/gtest.h>

#include "eventsingelton.h"
#include "headlessframe.h"
#include "inventorylayout.h"
#include "notepad.h"
#include "productcatalogue.h"
#include "worldfixtures.h"

namespace
{
using namespace worldfixtures;
using V = Vector2<float>;
namespace layout = inventorylayout;

std::vector<std::string> Names(const std::vector<Item>& aItems)
{
    std::vector<std::string> names;
    for (const Item& item : aItems)
    {
        names.push_back(item.GetName());
    }
    return names;
}

using Names_ = std::vector<std::string>;

class InventoryTest : public WorldTest
{
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        myInventory.Init(Engine());
        for (const Item& product : ProductCatalogue(Engine()))
        {
            myInventory.AddProduct(product);
        }
        myInventory.Open();
    }

    Item Named(const std::string& aName) const
    {
        return Item(Engine(), "img/items/sprite_stick.dds", "img/items/icon_twig01.dds", aName,
                    true);
    }
    void Hold(std::initializer_list<const char*> aNames)
    {
        for (const char* name : aNames)
        {
            myInventory.AddItem(Named(name));
        }
    }

    // Moves the cursor to aAt and clicks the left button there (let go in the next frame).
    void ClickAt(const V& aAt)
    {
        WorldTest::ClickAt(static_cast<int>(aAt.x), static_cast<int>(aAt.y),
                           [this] { myInventory.Update(myInput); });
        ASSERT_EQ(Vector2<int>(static_cast<int>(aAt.x), static_cast<int>(aAt.y)),
                  myInput.GetMousePosition());
    }
    // The middle of grid cell or slot aIndex.
    static V CellMiddle(int aIndex) { return layout::HeldCell(aIndex) + V(40, 40); }
    static V SlotMiddle(int aIndex) { return layout::CombinationSlot(aIndex) + V(40, 40); }
    // Somewhere on the panel that is no cell, no slot and not the button.
    static V Empty() { return V(220, 70); }

    // Drags held item aIndex into the slots: pick it up, let it go outside the grid.
    void ToSlots(int aIndex)
    {
        ClickAt(CellMiddle(aIndex));
        ClickAt(Empty());
    }
    void Combine() { ClickAt(layout::Button() + V(30, 20)); }

    // The picture the open panel draws at aAt, 0 when none is.
    HTEXTURE DrawnAt(const V& aAt)
    {
        RenderData buffer;
        myInventory.FillRenderBuffer(buffer, 0.0f, 0.0f);
        return DrawnAt(buffer, aAt);
    }
    // The picture aBuffer draws at aAt, 0 when none is.
    HTEXTURE DrawnAt(const RenderData& aBuffer, const V& aAt)
    {
        Engine()->Gfx_BeginScene(0);
        aBuffer.Replay(0.0f);
        Engine()->Gfx_EndScene();
        platform::PresentedFrame frame;
        EXPECT_TRUE(platform::LastPresentedFrame(Engine(), frame));
        for (const hgeQuad& quad : frame.myQuads)
        {
            if (quad.v[0].x == aAt.x && quad.v[0].y == aAt.y)
            {
                return quad.tex;
            }
        }
        return 0;
    }
    HTEXTURE Picture(const std::string& aFile)
    {
        const HTEXTURE texture =
            Engine()->Texture_Load(("img/Inventory-Notepad/" + aFile + ".dds").c_str());
        Engine()->Texture_Free(texture);
        return texture;
    }

    std::vector<std::string> Held() const { return Names(myInventory.GetItems()); }
    std::vector<std::string> Slots() const { return Names(myInventory.GetCombinationSlots()); }

    Inventory myInventory;
};

TEST_F(InventoryTest, SharpFlintWireAndStickMakeAnAxeAndTheWireStays)
{
    Hold({"wire", "sharpFlintstone", "stick"});
    ToSlots(0);  // the wire: a copy goes; the wire stays carried, shown only in its slot
    EXPECT_EQ((Names_{"wire", "sharpFlintstone", "stick"}), Held());
    EXPECT_EQ((Names_{"wire"}), Slots());
    EXPECT_EQ(HeldGrid::ourNoCell, myInventory.FindCell("wire"));
    ToSlots(1);
    // Every item keeps its cell while others leave: the stick is where the player saw it.
    EXPECT_EQ(2, myInventory.FindCell("stick"));
    ToSlots(2);
    EXPECT_EQ((Names_{"wire"}), Held());
    EXPECT_EQ((Names_{"wire", "sharpFlintstone", "stick"}), Slots());
    Combine();
    EXPECT_EQ((Names_{"wire", "axe"}), Held());
    EXPECT_EQ(0, myInventory.FindCell("wire"));  // back in its cell once its copy is used
    EXPECT_EQ(1, myInventory.FindCell("axe"));   // in the first free cell
    EXPECT_TRUE(Slots().empty());
    EXPECT_TRUE(myInventory.IsShowingResult());
    EXPECT_TRUE(myInventory.LastCombineSucceeded());
    EXPECT_EQ(Picture("combination_successful"), DrawnAt(layout::ResultPicture()));
}

TEST_F(InventoryTest, RecipesAreTriedInOrderAndLeaveWhatIsNotTheirs)
{
    // Recipe 1 lacks its sharp flint, so recipe 9 takes the rubber and the wire copy.
    Hold({"rubber", "wire", "stick"});
    ToSlots(0);
    ToSlots(1);
    ToSlots(2);
    Combine();
    EXPECT_EQ((Names_{"wire", "rubber string"}), Held());
    EXPECT_EQ((Names_{"stick"}), Slots());
}

TEST_F(InventoryTest, SplittingTheCoconutGivesTheAxeBackAfterTheHalves)
{
    Hold({"axe", "coconut"});
    ToSlots(0);
    ToSlots(1);
    Combine();
    EXPECT_EQ((Names_{"coconut half 1", "coconut half 2", "axe"}), Held());
}

TEST_F(InventoryTest, TheWiresCopyInASlotLeavesNoSecondWireToPickUp)
{
    Hold({"wire", "rubber"});
    ToSlots(0);
    ClickAt(CellMiddle(0));  // its cell shows nothing now: nothing is picked up
    EXPECT_FALSE(myInventory.GetItems()[0].IsSelected());
    ToSlots(1);
    EXPECT_EQ((Names_{"wire", "rubber"}), Slots());
    Combine();
    EXPECT_EQ((Names_{"wire", "rubber string"}), Held());
    EXPECT_TRUE(Slots().empty());
}

TEST_F(InventoryTest, LogsAndRopeBuildTheRaftWithoutAnItem)
{
    Hold({"logs", "Rope"});
    ToSlots(0);
    ToSlots(1);
    EXPECT_FALSE(PostMaster::GetInstance()->raftMade);
    Combine();
    EXPECT_TRUE(Held().empty());
    EXPECT_TRUE(Slots().empty());
    EXPECT_TRUE(PostMaster::GetInstance()->raftMade);
    EXPECT_TRUE(myInventory.LastCombineSucceeded());
    // Its picture says where the raft is, not that something is in the grid.
    EXPECT_EQ(Picture("combination_built"), DrawnAt(layout::ResultPicture()));
}

TEST_F(InventoryTest, AResultPictureLiesUnderEveryItemAndGoesWithAnyClickOrTheClosing)
{
    using geometry::SoundEffect;
    const HeardEffects heard;
    Hold({"stick", "log"});
    ToSlots(0);
    Combine();
    EXPECT_EQ((Names_{"log"}), Held());
    EXPECT_EQ((Names_{"stick"}), Slots());
    EXPECT_TRUE(myInventory.IsShowingResult());
    EXPECT_FALSE(myInventory.LastCombineSucceeded());
    EXPECT_EQ(heard.Count(SoundEffect::CombineFails), 1);
    EXPECT_EQ(heard.Count(SoundEffect::CombineWorks), 0);
    EXPECT_EQ(Picture("combination_failed"), DrawnAt(layout::ResultPicture()));
    // Below the grid and the slots, clear of them all; drawn right after the panel, under
    // every icon, even one carried over it by the mouse.
    EXPECT_GE(layout::ResultPicture().y, layout::CombinationSlot(0).y + 85.0f);
    RenderData buffer;
    myInventory.FillRenderBuffer(buffer, 0.0f, 0.0f);
    ASSERT_GE(buffer.GetCommands().size(), 3u);
    EXPECT_EQ(layout::ResultPicture(), buffer.GetCommands()[1].myPosition);
    // Any click puts it away, here the one that picks up the log.
    ClickAt(CellMiddle(1));
    EXPECT_FALSE(myInventory.IsShowingResult());
    EXPECT_TRUE(myInventory.GetItems()[0].IsSelected());
    ClickAt(CellMiddle(3));
    Combine();
    EXPECT_TRUE(myInventory.IsShowingResult());
    myInventory.Toggle();
    myInventory.Toggle();
    EXPECT_FALSE(myInventory.IsShowingResult());
    EXPECT_EQ(heard.Count(SoundEffect::InventoryCloses), 1);
    EXPECT_EQ(heard.Count(SoundEffect::InventoryOpens), 1);
}

TEST_F(InventoryTest, AFourthItemIsRefusedByFullSlotsAndStaysSelected)
{
    Hold({"a", "b", "c", "d"});
    for (int i = 0; i < 3; ++i)
    {
        ToSlots(i);
    }
    ClickAt(CellMiddle(3));
    ClickAt(Empty());
    EXPECT_EQ((Names_{"d"}), Held());
    EXPECT_EQ(3u, Slots().size());
    EXPECT_TRUE(myInventory.GetItems()[0].IsSelected());
    // Clicking the button while an item is selected drops it instead of combining.
    ClickAt(layout::Button() + V(30, 20));
    EXPECT_FALSE(myInventory.IsShowingResult());
    EXPECT_TRUE(myInventory.GetItems()[0].IsSelected());
}

TEST_F(InventoryTest, ASlotItemGoesBackUnlessDroppedOnASlotAndTheWireCopyVanishes)
{
    Hold({"wire", "stick"});
    ToSlots(0);
    ToSlots(1);
    ClickAt(SlotMiddle(1));  // the stick
    ClickAt(SlotMiddle(2));  // dropped on a slot, empty or not: it stays
    EXPECT_EQ((Names_{"wire", "stick"}), Slots());
    EXPECT_FALSE(myInventory.GetCombinationSlots()[1].IsSelected());
    ClickAt(SlotMiddle(1));
    ClickAt(CellMiddle(7));
    EXPECT_EQ((Names_{"wire", "stick"}), Held());
    ClickAt(SlotMiddle(0));  // the wire's copy
    ClickAt(CellMiddle(7));
    EXPECT_EQ((Names_{"wire", "stick"}), Held());
    EXPECT_TRUE(Slots().empty());
}

TEST_F(InventoryTest, SelectionSurvivesClosingAndOnlyTheOpenPanelTakesClicks)
{
    Hold({"stick"});
    ClickAt(CellMiddle(0));
    myInventory.Toggle();
    EXPECT_FALSE(PostMaster::GetInstance()->inventoryOpen);
    ClickAt(Empty());  // closed: ignored
    EXPECT_TRUE(Slots().empty());
    myInventory.Toggle();
    EXPECT_TRUE(PostMaster::GetInstance()->inventoryOpen);
    EXPECT_TRUE(myInventory.GetItems()[0].IsSelected());
    ClickAt(Empty());
    EXPECT_EQ((Names_{"stick"}), Slots());
}

TEST_F(InventoryTest, EachHitAreaExcludesItsEdges)
{
    Hold({"a"});
    const V cell = layout::HeldCell(0);
    ClickAt(cell);  // the corner itself picks nothing up
    EXPECT_FALSE(myInventory.GetItems()[0].IsSelected());
    ClickAt(cell + V(85, 40));
    EXPECT_FALSE(myInventory.GetItems()[0].IsSelected());
    ClickAt(cell + V(84, 84));  // inside the 85 x 85 pick-up area
    EXPECT_TRUE(myInventory.GetItems()[0].IsSelected());
    // Dropping tests every cell's 85 x 80 area: the line between two rows lies in neither, so
    // the item goes to the slots.
    ClickAt(cell + V(40, 80));
    EXPECT_EQ((Names_{"a"}), Slots());

    // A slot's drop area is 95 wide: x + 94 keeps the item in the slots.
    ClickAt(SlotMiddle(0));
    ClickAt(layout::CombinationSlot(0) + V(94, 40));
    EXPECT_EQ((Names_{"a"}), Slots());
    ClickAt(SlotMiddle(0));
    ClickAt(layout::CombinationSlot(2) + V(95, 40));  // past the last slot's edge
    EXPECT_EQ((Names_{"a"}), Held());

    // The button is 68 x 48 from its corner.
    EXPECT_FALSE(layout::OverButton(layout::Button()));
    EXPECT_TRUE(layout::OverButton(layout::Button() + V(67, 47)));
    EXPECT_FALSE(layout::OverButton(layout::Button() + V(68, 20)));
    EXPECT_FALSE(layout::OverButton(layout::Button() + V(20, 48)));
    // The hover card reaches 100 down, further than the 85 of the pick-up area.
    EXPECT_TRUE(layout::OverCard(cell, cell + V(40, 99)));
    EXPECT_FALSE(layout::OverCard(cell, cell + V(40, 100)));
}

TEST_F(InventoryTest, HoverCardsLieOnTopBesideTheMouseAndSomeItemsHaveNone)
{
    Hold({"wire", "raft", "Guano", "no such thing"});
    const auto cardsAt = [this](const V& aMouse)
    {
        RenderData buffer;
        myInventory.SubmitInfoCard(aMouse.x, aMouse.y, buffer);
        return buffer.GetCommands();
    };
    const auto wire = cardsAt(CellMiddle(0));
    ASSERT_EQ(1u, wire.size());
    EXPECT_EQ(CellMiddle(0) + V(20, -20), wire[0].myPosition);
    EXPECT_TRUE(cardsAt(CellMiddle(1)).empty());  // the raft has no card
    EXPECT_EQ(1u, cardsAt(CellMiddle(2)).size());
    EXPECT_TRUE(cardsAt(CellMiddle(3)).empty());
    EXPECT_EQ("", InfoCards::KeyOf("diamond"));  // names compare exactly
    EXPECT_EQ("GuanoData", InfoCards::KeyOf("guano"));
    myInventory.Close();
    EXPECT_TRUE(cardsAt(CellMiddle(0)).empty());
}

TEST_F(InventoryTest, ItemsBeyondTheFifteenCellsAreKeptButNeitherDrawnNorClicked)
{
    for (int i = 0; i < 17; ++i)
    {
        myInventory.AddItem(Named("item " + std::to_string(i)));
    }
    RenderData buffer;
    myInventory.FillRenderBuffer(buffer, 0.0f, 0.0f);
    EXPECT_EQ(1u + 15u, buffer.GetCommands().size());  // the panel and fifteen icons
    EXPECT_TRUE(myInventory.HasItem("item 16"));
    RenderData cards;
    myInventory.SubmitInfoCard(0.0f, 0.0f, cards);
    EXPECT_TRUE(cards.IsEmpty());
    // A cell freed goes to the first item waiting for one.
    EXPECT_TRUE(myInventory.RemoveItem("item 3"));
    EXPECT_EQ(3, myInventory.FindCell("item 15"));
    EXPECT_EQ(HeldGrid::ourNoCell, myInventory.FindCell("item 16"));
}

TEST_F(InventoryTest, ItemsAreFoundRemovedAndTakenByTheirExactNames)
{
    Hold({"Guano", "stick", "Guano"});
    EXPECT_TRUE(myInventory.HasItem("Guano"));
    EXPECT_FALSE(myInventory.HasItem("guano"));
    EXPECT_FALSE(myInventory.RemoveItem("guano"));
    Item taken = Named("placeholder");
    EXPECT_FALSE(myInventory.TakeItem(taken, "log"));
    EXPECT_EQ("placeholder", taken.GetName());
    EXPECT_TRUE(myInventory.TakeItem(taken, "Guano"));
    EXPECT_EQ("Guano", taken.GetName());
    EXPECT_EQ((Names_{"stick", "Guano"}), Held());
    EXPECT_TRUE(myInventory.RemoveItem("Guano"));
    EXPECT_EQ((Names_{"stick"}), Held());
}

TEST_F(InventoryTest, TheNotepadMarksEveryPartEverCarriedAndOpensWithN)
{
    Notepad notepad;
    notepad.Init(Engine());
    notepad.CheckParts(myInventory);
    EXPECT_TRUE(notepad.GetMarks().none());
    Hold({"diamond", "MagneticRock"});  // a name in the wrong case marks nothing
    notepad.CheckParts(myInventory);
    EXPECT_EQ(std::bitset<4>("0100"), notepad.GetMarks());
    myInventory.RemoveItem("MagneticRock");
    Hold({"combined rubber", "gold necklace", "Diamond"});
    notepad.CheckParts(myInventory);
    EXPECT_EQ(std::bitset<4>("1111"), notepad.GetMarks());  // the rock stays marked

    RenderData closed;
    notepad.FillRenderBuffer(closed);
    EXPECT_TRUE(closed.IsEmpty());
    const HeardEffects heard;
    Press(0x31);
    notepad.HandleInput(myInput);
    EXPECT_TRUE(notepad.IsOpen());
    EXPECT_TRUE(PostMaster::GetInstance()->notepadOpen);
    EXPECT_EQ(heard.Count(geometry::SoundEffect::NotepadOpens), 1);
    RenderData open;
    notepad.FillRenderBuffer(open);
    // The page, its heading and four marks at its corner.
    ASSERT_EQ(6u, open.GetCommands().size());
    EXPECT_EQ(V(285, 80), open.GetCommands()[5].myPosition);
    // The heading counts what is still missing: nothing, now.
    const V heading(285 + 76, 80 + 92);
    EXPECT_EQ(Picture("notepad_missing_0"), DrawnAt(open, heading));
    notepad.SetState(Notepad::State{true, std::bitset<4>("0100")});
    RenderData one;
    notepad.FillRenderBuffer(one);
    EXPECT_EQ(Picture("notepad_missing_3"), DrawnAt(one, heading));
    Press(0x31);
    notepad.HandleInput(myInput);
    EXPECT_FALSE(PostMaster::GetInstance()->notepadOpen);
    EXPECT_EQ(heard.Count(geometry::SoundEffect::NotepadCloses), 1);
}
}  // namespace
