#include "routesteps.h"

#include "inventorylayout.h"

namespace layout = inventorylayout;

Goal AtItem(const std::string& aName)
{
    return [aName](const Playthrough& aPlay, const V& aHeroine)
    {
        const LevelBaseData& level = aPlay.GetGame().GetCurrentLevel();
        const int target = level.PressTarget(aHeroine);
        return target >= 0 && level.GetItems()[static_cast<size_t>(target)].GetName() == aName;
    };
}

Goal Pressing(const Goal& aGoal)
{
    return [aGoal](const Playthrough& aPlay, const V& aHeroine) {
        return aGoal(aPlay, aHeroine) &&
               aPlay.GetGame().GetCurrentLevel().PressTarget(aHeroine) < 0;
    };
}

Goal InZone(const std::string& aZone)
{
    return [aZone](const Playthrough& aPlay, const V& aHeroine)
    {
        const V feet(aHeroine.x + 32.0f, aHeroine.y + 100.0f);
        for (const ZoneRect& zone : aPlay.GetGame().GetCurrentLevel().GetZoneRects())
        {
            if (zone.name == aZone && zone.Encloses(feet))
            {
                return true;
            }
        }
        return false;
    };
}

Route& Route::Combine(const std::vector<std::string>& aIngredients)
{
    struct State
    {
        int phase = 0;
        size_t next = 0;
    };
    auto state = std::make_shared<State>();
    std::string label = "combine";
    for (const std::string& name : aIngredients)
    {
        label += " " + name;
    }
    return Add(label,
               [aIngredients, state, label](Playthrough& aPlay)
               {
                   if (aPlay.IsBusy())
                   {
                       return false;
                   }
                   const Inventory& inventory = aPlay.GetGame().GetInventory();
                   switch (state->phase)
                   {
                       case 0:
                           aPlay.Tap(ourKeyI);
                           state->phase = 1;
                           return false;
                       case 1:
                           if (!inventory.IsOpen())
                           {
                               aPlay.Fail("the inventory did not open");
                           }
                           else if (state->next < aIngredients.size())
                           {
                               const std::string& name = aIngredients[state->next++];
                               const int cell = inventory.FindCell(name);
                               if (cell == HeldGrid::ourNoCell)
                               {
                                   aPlay.Fail(name + " is not in the inventory's grid");
                                   return false;
                               }
                               aPlay.ClickAt(layout::HeldCell(cell) + V(40, 40));
                               // Let go over the panel's empty corner: into the slots.
                               aPlay.ClickAt(layout::Panel() + V(20, 20));
                           }
                           else
                           {
                               aPlay.ClickAt(layout::Button() + V(34, 24));
                               state->phase = 2;
                           }
                           return false;
                       case 2:
                           if (!inventory.LastCombineSucceeded())
                           {
                               aPlay.Fail(label + " failed");
                               return false;
                           }
                           if (inventory.IsOpen())
                           {
                               aPlay.Tap(ourKeyI);
                           }
                           state->phase = 3;
                           return false;
                       default:
                           return !inventory.IsOpen();
                   }
               });
}
