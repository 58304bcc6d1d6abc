#pragma once
// One scene played frame by frame the way the game's frame plays it, without the threads: the
// keys and mouse read once, the scene's input steps, its update and its own update, the view
// kept within the scene. The heroine is put where a test wants her; she does not walk here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "camera.h"
#include "eventsingelton.h"
#include "headlessframe.h"
#include "inventory.h"
#include "itemcatalogue.h"
#include "levelbasedata.h"
#include "player.h"
#include "productcatalogue.h"
#include "worldfixtures.h"

namespace storyfixtures
{
using V = Vector2<float>;
using Names = std::vector<std::string>;

class StoryTest : public worldfixtures::WorldTest
{
protected:
    // Sets up aLevel on the stand-in world with the heroine at aHeroine, the inventory holding
    // the wire and knowing its products, as the game starts.
    void Start(LevelBaseData& aLevel, const V& aHeroine)
    {
        myLevel = &aLevel;
        aLevel.Init(Engine());
        myPlayer.Init(Engine(), aHeroine, myCamera);
        myInventory.Init(Engine());
        for (const Item& product : ProductCatalogue(Engine()))
        {
            myInventory.AddProduct(product);
        }
        myInventory.AddItem(itemcatalogue::Make(Engine(), "wire"));
    }

    // One logic frame of aElapsed milliseconds with the keys as they are now.
    void Frame(float aElapsed = 16.0f)
    {
        ReadInput();
        myLevel->HandleLevelInput(myInput, aElapsed, myInventory);
        myLevel->HandleInput(myInput, aElapsed, myInventory);
        myLevel->UpdateLevel(myPlayer, myCamera, aElapsed, myInventory);
        myLevel->Update(myPlayer, myCamera, aElapsed);
        myCamera.Clamp(myLevel->GetMapWidth(), myLevel->GetMapHeight());
        myPlayer.UpdateScreen(aElapsed, myCamera);
    }
    // Frames until aMilliseconds have passed, in frames of aStep.
    void Wait(float aMilliseconds, float aStep = 16.0f)
    {
        for (float waited = 0.0f; waited < aMilliseconds; waited += aStep)
        {
            Frame(aStep);
        }
    }
    // aKey held for one frame and let go in the next: seen released in that second frame.
    void PressKey(uint8_t aKey)
    {
        SetKey(aKey, true);
        Frame();
        SetKey(aKey, false);
        Frame();
    }
    // The use key, as a player presses it.
    void Use() { PressKey(worldfixtures::ourKeyE); }
    void UseAt(const V& aPlace)
    {
        Place(aPlace);
        Use();
    }
    // Something lying at place, and the remark its pick-up starts.
    struct Find
    {
        const char* item;
        V place;
        const char* remark;
    };
    // Each find picked up in turn is remarked on and the remark read to its end.
    void PickUpEach(std::initializer_list<Find> aFinds)
    {
        for (const Find& find : aFinds)
        {
            UseAt(find.place);
            EXPECT_TRUE(Holds(find.item)) << find.item;
            EXPECT_EQ(Names{find.remark}, ReadThrough());
        }
    }
    // Return until the conversation being shown, and any that follows it at the next update,
    // have ended (at most aLimit presses); the names of the conversations shown on the way, in
    // order, each once.
    std::vector<std::string> ReadThrough(int aLimit = 40)
    {
        std::vector<std::string> shown;
        for (int press = 0; press < aLimit; ++press)
        {
            if (!myLevel->IsConversationRunning())
            {
                Frame();
                if (!myLevel->IsConversationRunning())
                {
                    break;
                }
            }
            const std::string name = Running();
            if (shown.empty() || shown.back() != name)
            {
                shown.push_back(name);
            }
            PressKey(worldfixtures::ourKeyReturn);
        }
        return shown;
    }
    // The name of the conversation being shown, or "" when none is.
    std::string Running() const
    {
        for (const LevelConversation& conversation : myLevel->GetConversations())
        {
            if (conversation.IsRunning())
            {
                return conversation.GetName();
            }
        }
        return "";
    }
    bool Played(const std::string& aName) const { return myLevel->IsPlayed(aName); }
    // Puts the heroine at aPosition (her frame's top-left), as the world's rules measure it.
    void Place(const V& aPosition) { myPlayer.SetWorldPosition(aPosition); }
    // An item as a level or the inventory holds it, with stand-in pictures.
    Item Named(const std::string& aName) const
    {
        return Item(Engine(), "img/items/sprite_stick.dds", "img/items/icon_twig01.dds", aName,
                    true);
    }
    void Give(std::initializer_list<const char*> aNames)
    {
        for (const char* name : aNames)
        {
            myInventory.AddItem(Named(name));
        }
    }
    bool Holds(const std::string& aName) const { return myInventory.HasItem(aName); }
    // How many carried items bear aName.
    long Carried(const std::string& aName) const
    {
        const std::vector<Item>& items = myInventory.GetItems();
        return std::count_if(items.begin(), items.end(),
                             [&aName](const Item& aItem) { return aItem.GetName() == aName; });
    }
    // Out of the inventory, as a recipe would use it up.
    void Take(const std::string& aName) { myInventory.RemoveItem(aName); }
    // Whether an item of that name lies in the scene.
    bool InScene(const std::string& aName) const
    {
        size_t index = 0;
        return myLevel->FindItem(aName, index);
    }
    // The name of the last item in the scene's list, where a used thing is put back.
    std::string LastInScene() const { return myLevel->GetItems().back().GetName(); }
    // How often the scene's frame draws the picture aPath (the scene's own drawing, without
    // the heroine and the boxes over it); with aAt, only with its top-left there.
    int Drawn(const std::string& aPath, const V* aAt = nullptr)
    {
        RenderData buffer;
        myLevel->RenderFloor(buffer, myCamera);
        myLevel->RenderObjects(buffer, myCamera);
        myLevel->RenderItems(buffer);
        myLevel->RenderForegroundBehind(buffer, myCamera);
        myLevel->RenderOverlay(buffer, myCamera);
        myLevel->RenderPrompts(buffer);
        Engine()->Gfx_BeginScene(0);
        buffer.Replay(0.0f);
        Engine()->Gfx_EndScene();
        platform::PresentedFrame frame;
        EXPECT_TRUE(platform::LastPresentedFrame(Engine(), frame));
        const HTEXTURE texture = Engine()->Texture_Load(aPath.c_str());
        Engine()->Texture_Free(texture);
        const auto at = [aAt](const hgeQuad& aQuad)
        {
            return aAt == nullptr || (std::abs(aQuad.v[0].x - aAt->x) < 0.01f &&
                                      std::abs(aQuad.v[0].y - aAt->y) < 0.01f);
        };
        return static_cast<int>(std::count_if(frame.myQuads.begin(), frame.myQuads.end(),
                                              [&](const hgeQuad& aQuad)
                                              { return aQuad.tex == texture && at(aQuad); }));
    }

    LevelBaseData* myLevel = nullptr;
    Camera myCamera;
    Player myPlayer;
    Inventory myInventory;
};
}  // namespace storyfixtures
