#include "inventory.h"

#include <algorithm>

#include "eventsingelton.h"
#include "inventorylayout.h"
#include "itemcatalogue.h"
#include "recipes.h"
#include "soundmanager.h"

namespace layout = inventorylayout;
using geometry::SoundEffect;

namespace
{
constexpr int ourLeftButton = 0;
// The wire is never used up: it is copied into a slot, and the copy is what recipes consume.
const char* const ourEndlessItem = "wire";

// The first item of aItems named aName.
template <typename Items>
auto FindNamed(Items& aItems, const std::string& aName)
{
    return std::find_if(aItems.begin(), aItems.end(),
                        [&aName](const Item& aItem) { return aItem.GetName() == aName; });
}

template <typename Items>
auto FindSelected(Items& aItems)
{
    return std::find_if(aItems.begin(), aItems.end(),
                        [](const Item& aItem) { return aItem.IsSelected(); });
}

}  // namespace

void Inventory::Init(HGE* aHGE)
{
    myPanel = StaticSprite(aHGE, "img/Inventory-Notepad/inventory.dds");
    myButtonHighlight =
        StaticSprite(aHGE, "img/Inventory-Notepad/inventory_highlight_buttonnew.dds");
    mySuccess = StaticSprite(aHGE, "img/Inventory-Notepad/combination_successful.dds");
    myBuilt = StaticSprite(aHGE, "img/Inventory-Notepad/combination_built.dds");
    myFailure = StaticSprite(aHGE, "img/Inventory-Notepad/combination_failed.dds");
    myCards.Init(aHGE);
    myOpen = false;
    myShowResult = false;
    myLastCombineSucceeded = false;
}

void Inventory::Reserve(size_t aHeld, size_t aSlots)
{
    myHeldItems.reserve(aHeld);
    myCombinationSlots.reserve(aSlots);
}

void Inventory::AddItem(const Item& aItem)
{
    myHeldItems.push_back(aItem);
    myGrid.Add();
}

void Inventory::EraseHeld(size_t aIndex)
{
    myHeldItems.erase(myHeldItems.begin() + static_cast<std::ptrdiff_t>(aIndex));
    myGrid.Erase(aIndex);
}

bool Inventory::HasItem(const std::string& aName) const
{
    return FindNamed(myHeldItems, aName) != myHeldItems.end();
}

bool Inventory::RemoveItem(const std::string& aName)
{
    const auto found = FindNamed(myHeldItems, aName);
    if (found == myHeldItems.end())
    {
        return false;
    }
    EraseHeld(static_cast<size_t>(found - myHeldItems.begin()));
    return true;
}

bool Inventory::TakeItem(Item& aOut, const std::string& aName)
{
    const auto found = FindNamed(myHeldItems, aName);
    if (found == myHeldItems.end())
    {
        return false;
    }
    aOut = *found;
    EraseHeld(static_cast<size_t>(found - myHeldItems.begin()));
    return true;
}

Inventory::State Inventory::GetState() const
{
    return State{Item::StatesOf(myHeldItems), Item::StatesOf(myCombinationSlots), myOpen,
                 myShowResult, myLastCombineSucceeded};
}

void Inventory::SetState(HGE* aHGE, const State& aState)
{
    myHeldItems = itemcatalogue::Rebuild(aHGE, aState.held);
    myGrid.Pack(myHeldItems.size());
    myCombinationSlots = itemcatalogue::Rebuild(aHGE, aState.slots);
    mySlotHomes.assign(myCombinationSlots.size(), HeldGrid::ourNoCell);
    myOpen = aState.open;
    myShowResult = aState.showResult;
    myLastCombineSucceeded = aState.lastCombineSucceeded;
}

void Inventory::Open()
{
    myGrid.Pack(myHeldItems.size());
    myOpen = true;
    PostMaster::GetInstance()->inventoryOpen = true;
}

void Inventory::Close()
{
    myShowResult = false;
    myOpen = false;
    PostMaster::GetInstance()->inventoryOpen = false;
}

void Inventory::Toggle()
{
    if (myOpen)
    {
        Close();
    }
    else
    {
        Open();
    }
    SoundManager::PlayEffect(myOpen ? SoundEffect::InventoryOpens : SoundEffect::InventoryCloses);
}

void Inventory::Update(InputWrapper& aInput)
{
    const Vector2<int> cursor = aInput.GetMousePosition();
    const Vector2<float> mouse(static_cast<float>(cursor.x), static_cast<float>(cursor.y));
    if (aInput.Released(Action::Inventory))
    {
        Toggle();
    }
    if (aInput.ButtonReleased(ourLeftButton) && myOpen)
    {
        Click(mouse);
    }
}

void Inventory::Click(const Vector2<float>& aMouse)
{
    // The last result goes with the next click, whatever it does.
    myShowResult = false;
    if (FindSelected(myHeldItems) != myHeldItems.end())
    {
        if (layout::OverAnyHeldCell(aMouse))
        {
            DeselectAll();
        }
        else if (myCombinationSlots.size() < layout::ourCombinationSlots)
        {
            MoveToCombination();
        }
        return;
    }
    if (FindSelected(myCombinationSlots) != myCombinationSlots.end())
    {
        if (layout::OverAnyCombinationSlot(aMouse))
        {
            DeselectAll();
        }
        else
        {
            MoveBack();
        }
        return;
    }
    if (!PickUp(aMouse) && layout::OverButton(aMouse))
    {
        myLastCombineSucceeded = Combine();
        myShowResult = true;
        SoundManager::PlayEffect(myLastCombineSucceeded ? SoundEffect::CombineWorks
                                                        : SoundEffect::CombineFails);
    }
}

bool Inventory::HeldCorner(size_t aIndex, Vector2<float>& aCorner) const
{
    const int cell = myGrid.CellOf(aIndex);
    // The wire stays carried while a copy of it lies in a slot; only the copy shows.
    const bool copied = myHeldItems[aIndex].GetName() == ourEndlessItem &&
                        FindNamed(myCombinationSlots, ourEndlessItem) != myCombinationSlots.end();
    if (cell == HeldGrid::ourNoCell || copied)
    {
        return false;
    }
    aCorner = layout::HeldCell(cell);
    return true;
}

int Inventory::FindCell(const std::string& aName) const
{
    for (size_t i = 0; i < myHeldItems.size(); ++i)
    {
        Vector2<float> corner;
        if (myHeldItems[i].GetName() == aName && HeldCorner(i, corner))
        {
            return myGrid.CellOf(i);
        }
    }
    return HeldGrid::ourNoCell;
}

bool Inventory::PickUp(const Vector2<float>& aMouse)
{
    for (size_t i = 0; i < myHeldItems.size(); ++i)
    {
        Vector2<float> corner;
        if (HeldCorner(i, corner) && layout::OverPickUp(corner, aMouse))
        {
            myHeldItems[i].Select();
            return true;
        }
    }
    for (size_t i = 0; i < myCombinationSlots.size(); ++i)
    {
        if (layout::OverPickUp(layout::CombinationSlot(static_cast<int>(i)), aMouse))
        {
            myCombinationSlots[i].Select();
            return true;
        }
    }
    return false;
}

void Inventory::MoveToCombination()
{
    const auto selected = FindSelected(myHeldItems);
    const auto index = static_cast<size_t>(selected - myHeldItems.begin());
    DeselectAll();
    myCombinationSlots.push_back(*selected);
    mySlotHomes.push_back(myGrid.CellOf(index));
    if (selected->GetName() != ourEndlessItem)
    {
        EraseHeld(index);
    }
}

void Inventory::MoveBack()
{
    const auto selected = FindSelected(myCombinationSlots);
    const auto index = static_cast<size_t>(selected - myCombinationSlots.begin());
    DeselectAll();
    if (selected->GetName() != ourEndlessItem)
    {
        // Back into the cell it came from, when that is still free.
        myHeldItems.push_back(*selected);
        myGrid.Add(mySlotHomes[index]);
    }
    myCombinationSlots.erase(selected);
    mySlotHomes.erase(mySlotHomes.begin() + static_cast<std::ptrdiff_t>(index));
}

void Inventory::DeselectAll()
{
    for (std::vector<Item>* items : {&myHeldItems, &myCombinationSlots})
    {
        for (Item& item : *items)
        {
            item.Deselect();
        }
    }
}

bool Inventory::Combine()
{
    const Recipe* recipe = FindRecipe(myCombinationSlots);
    if (recipe == nullptr)
    {
        return false;
    }
    for (size_t i = myCombinationSlots.size(); i-- > 0;)
    {
        const std::vector<std::string>& used = recipe->ingredients;
        if (std::find(used.begin(), used.end(), myCombinationSlots[i].GetName()) != used.end())
        {
            myCombinationSlots.erase(myCombinationSlots.begin() + static_cast<std::ptrdiff_t>(i));
            mySlotHomes.erase(mySlotHomes.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    for (const std::string& name : recipe->products)
    {
        if (const Item* product = FindProduct(name))
        {
            AddItem(*product);
        }
    }
    myLastCombineBuilt = recipe->buildsRaft;
    if (recipe->buildsRaft)
    {
        PostMaster::GetInstance()->raftMade = true;
    }
    return true;
}

const Item* Inventory::FindProduct(const std::string& aName) const
{
    const auto found = FindNamed(myProducts, aName);
    return found == myProducts.end() ? nullptr : &*found;
}

void Inventory::FillRenderBuffer(RenderData& aBuffer, float aMouseX, float aMouseY) const
{
    if (!myOpen)
    {
        return;
    }
    const Vector2<float> mouse(aMouseX, aMouseY);
    aBuffer.SubmitSprite(myPanel, layout::Panel());
    // Below the panel, under everything else: it never hides an item, not even a carried one.
    if (myShowResult)
    {
        const StaticSprite& result =
            !myLastCombineSucceeded ? myFailure : (myLastCombineBuilt ? myBuilt : mySuccess);
        aBuffer.SubmitSprite(result, layout::ResultPicture());
    }
    for (size_t i = 0; i < myHeldItems.size(); ++i)
    {
        Vector2<float> corner;
        if (HeldCorner(i, corner))
        {
            const Vector2<float> at = myHeldItems[i].IsSelected() ? mouse : corner;
            myHeldItems[i].SubmitIcon(aBuffer, at.x, at.y);
        }
    }
    for (size_t i = 0; i < myCombinationSlots.size(); ++i)
    {
        const Vector2<float> at = myCombinationSlots[i].IsSelected()
                                      ? mouse
                                      : layout::CombinationSlot(static_cast<int>(i));
        myCombinationSlots[i].SubmitIcon(aBuffer, at.x, at.y);
    }
    if (layout::OverButton(mouse))
    {
        const Vector2<float> button = layout::Button();
        aBuffer.SubmitSprite(myButtonHighlight, Vector2<float>(button.x, button.y - 10.0f));
    }
}

void Inventory::SubmitInfoCard(float aMouseX, float aMouseY, RenderData& aBuffer) const
{
    if (!myOpen)
    {
        return;
    }
    const Vector2<float> mouse(aMouseX, aMouseY);
    const auto submitHovered = [&](const Item& aItem, const Vector2<float>& aCorner)
    {
        const Item* card = myCards.Find(aItem.GetName());
        if (card != nullptr && layout::OverCard(aCorner, mouse))
        {
            card->SubmitIcon(aBuffer, aMouseX + 20.0f, aMouseY - 20.0f);
        }
    };
    for (size_t i = 0; i < myHeldItems.size(); ++i)
    {
        Vector2<float> corner;
        if (HeldCorner(i, corner))
        {
            submitHovered(myHeldItems[i], corner);
        }
    }
    for (size_t i = 0; i < myCombinationSlots.size(); ++i)
    {
        submitHovered(myCombinationSlots[i], layout::CombinationSlot(static_cast<int>(i)));
    }
}
