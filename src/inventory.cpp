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
constexpr uint8_t ourKeyI = 0x17;
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

// Icons in order, each in its cell or at the mouse while selected.
void SubmitIcons(const std::vector<Item>& aItems, size_t aCount, Vector2<float> (*aCorner)(int),
                 const Vector2<float>& aMouse, RenderData& aBuffer)
{
    for (size_t i = 0; i < aCount; ++i)
    {
        const Vector2<float> at = aItems[i].IsSelected() ? aMouse : aCorner(static_cast<int>(i));
        aItems[i].SubmitIcon(aBuffer, at.x, at.y);
    }
}
}  // namespace

void Inventory::Init(HGE* aHGE)
{
    myPanel = StaticSprite(aHGE, "img/Inventory-Notepad/inventory.dds");
    myButtonHighlight =
        StaticSprite(aHGE, "img/Inventory-Notepad/inventory_highlight_buttonnew.dds");
    mySuccess = StaticSprite(aHGE, "img/Inventory-Notepad/combination_successful.dds");
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
    myHeldItems.erase(found);
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
    myHeldItems.erase(found);
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
    myCombinationSlots = itemcatalogue::Rebuild(aHGE, aState.slots);
    myOpen = aState.open;
    myShowResult = aState.showResult;
    myLastCombineSucceeded = aState.lastCombineSucceeded;
}

void Inventory::Open()
{
    myOpen = true;
    PostMaster::GetInstance()->inventoryOpen = true;
}

void Inventory::Close()
{
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
    if (aInput.KeyReleased(ourKeyI))
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
    if (PickUp(myHeldItems, ShownHeldCount(), layout::HeldCell, aMouse) ||
        PickUp(myCombinationSlots, myCombinationSlots.size(), layout::CombinationSlot, aMouse))
    {
        return;
    }
    if (layout::OverButton(aMouse))
    {
        myLastCombineSucceeded = Combine();
        myShowResult = true;
        SoundManager::PlayEffect(myLastCombineSucceeded ? SoundEffect::CombineWorks
                                                        : SoundEffect::CombineFails);
    }
    else if (myShowResult)
    {
        myShowResult = false;
        myLastCombineSucceeded = false;
    }
}

bool Inventory::PickUp(std::vector<Item>& aItems, size_t aCount, Vector2<float> (*aCorner)(int),
                       const Vector2<float>& aMouse)
{
    for (size_t i = 0; i < aCount; ++i)
    {
        if (layout::OverPickUp(aCorner(static_cast<int>(i)), aMouse))
        {
            aItems[i].Select();
            return true;
        }
    }
    return false;
}

void Inventory::MoveToCombination()
{
    const auto selected = FindSelected(myHeldItems);
    DeselectAll();
    myCombinationSlots.push_back(*selected);
    if (selected->GetName() != ourEndlessItem)
    {
        myHeldItems.erase(selected);
    }
}

void Inventory::MoveBack()
{
    const auto selected = FindSelected(myCombinationSlots);
    DeselectAll();
    if (selected->GetName() != ourEndlessItem)
    {
        myHeldItems.push_back(*selected);
    }
    myCombinationSlots.erase(selected);
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
        }
    }
    for (const std::string& name : recipe->products)
    {
        if (const Item* product = FindProduct(name))
        {
            myHeldItems.push_back(*product);
        }
    }
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

size_t Inventory::ShownHeldCount() const
{
    return std::min(myHeldItems.size(), static_cast<size_t>(layout::ourHeldCells));
}

void Inventory::FillRenderBuffer(RenderData& aBuffer, float aMouseX, float aMouseY) const
{
    if (!myOpen)
    {
        return;
    }
    const Vector2<float> mouse(aMouseX, aMouseY);
    aBuffer.SubmitSprite(myPanel, layout::Panel());
    SubmitIcons(myHeldItems, ShownHeldCount(), layout::HeldCell, mouse, aBuffer);
    SubmitIcons(myCombinationSlots, myCombinationSlots.size(), layout::CombinationSlot, mouse,
                aBuffer);
    if (layout::OverButton(mouse))
    {
        const Vector2<float> button = layout::Button();
        aBuffer.SubmitSprite(myButtonHighlight, Vector2<float>(button.x, button.y - 10.0f));
    }
    if (myShowResult)
    {
        aBuffer.SubmitSprite(myLastCombineSucceeded ? mySuccess : myFailure,
                             layout::ResultPicture());
    }
}

void Inventory::SubmitInfoCard(float aMouseX, float aMouseY, RenderData& aBuffer) const
{
    if (!myOpen)
    {
        return;
    }
    const Vector2<float> mouse(aMouseX, aMouseY);
    const auto submitHovered =
        [&](const std::vector<Item>& aItems, size_t aCount, Vector2<float> (*aCorner)(int))
    {
        for (size_t i = 0; i < aCount; ++i)
        {
            const Item* card = myCards.Find(aItems[i].GetName());
            if (card != nullptr && layout::OverCard(aCorner(static_cast<int>(i)), mouse))
            {
                card->SubmitIcon(aBuffer, aMouseX + 20.0f, aMouseY - 20.0f);
            }
        }
    };
    submitHovered(myHeldItems, ShownHeldCount(), layout::HeldCell);
    submitHovered(myCombinationSlots, myCombinationSlots.size(), layout::CombinationSlot);
}
