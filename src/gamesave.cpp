// Saving and continuing: the game's state taken from its objects (on the logic thread, or once
// the workers have ended), checked whole before anything is given back, and given back to the
// objects before play goes on. Writing happens in the background (savestore.h).
#include <cstdio>

#include "game.h"
#include "savecodec.h"
#include "saveproblem.h"

namespace
{
constexpr int ourHeroineSheets = 16;

bool IsAlpha(int aAlpha)
{
    return 0 <= aAlpha && aAlpha <= 255;
}
}  // namespace

std::string Game::SaveText() const
{
    return EncodeSave(Capture());
}

SavedGame Game::Capture() const
{
    SavedGame save;
    save.scene = GetCurrentSceneName();
    save.heroine = myPlayer.GetWorldPosition();
    save.heroineSheet = myPlayer.GetAnimationIndex();
    save.camera = myCamera.GetPosition();
    save.curtain = myCurtain.GetState();
    save.flags = PostMaster::GetInstance()->GetFlags();
    save.inventory = myInventory.GetState();
    save.notepad = myNotepad.GetState();
    for (const auto& [name, scene] : Scenes())
    {
        save.scenes[name] = scene->GetSceneState();
    }
    save.crashSite = myCrashSite.GetState();
    save.timeMachine = myTimeMachine.GetState();
    save.cave = myCave.GetState();
    save.blownUpCave = myBlownUpCave.GetState();
    save.volcano = myVolcano.GetState();
    save.history = myHistory.GetEntries();
    return save;
}

bool Game::Fits(const SavedGame& aSave, const SavedGame& aFresh, std::string& aProblem) const
{
    const LevelBaseData* played = nullptr;
    for (const auto& [name, scene] : Scenes())
    {
        played = aSave.scene == name ? scene : played;
        if (!scene->Fits(aSave.scenes.at(name), std::string("scenes.") + name, aProblem))
        {
            return false;
        }
    }
    if (played == nullptr)
    {
        return RefuseSave(aProblem, "the field scene names a scene this game does not have: \"" +
                                        aSave.scene + "\"");
    }
    // Before she wakes, she is kept out of sight where a new game puts her.
    const bool parked = aSave.scene == aFresh.scene && aSave.heroine == aFresh.heroine;
    if (!parked && !myPlayer.CanStandAt(aSave.heroine, played->GetCollisionMap()))
    {
        return RefuseSave(aProblem, "the field heroine puts her at " +
                                        ShownPosition(aSave.heroine) +
                                        ", where she cannot stand in the scene " + aSave.scene);
    }
    if (aSave.heroineSheet < 0 || aSave.heroineSheet >= ourHeroineSheets)
    {
        return RefuseSave(aProblem, "the field heroineSheet shows her sheet " +
                                        std::to_string(aSave.heroineSheet) +
                                        ", which she does not have");
    }
    const OverlayPair::State& bird = aSave.volcano.overlayPair;
    const std::pair<const char*, int> fades[] = {
        {"curtain.alpha", aSave.curtain.alpha},
        {"crashSite.curtain.alpha", aSave.crashSite.curtain.alpha},
        {"volcano.curtain.alpha", aSave.volcano.curtain.alpha},
        {"volcano.overlayPair.curtainAlpha", bird.curtainAlpha},
        {"volcano.overlayPair.pictureAlpha", bird.pictureAlpha},
    };
    for (const auto& [field, alpha] : fades)
    {
        if (!IsAlpha(alpha))
        {
            return RefuseSave(aProblem, std::string("the field ") + field + " puts a fade at " +
                                            std::to_string(alpha) + ", outside 0 to 255");
        }
    }
    return true;
}

LevelBaseData* Game::SceneNamed(const std::string& aName)
{
    for (const auto& [name, scene] : ScenesOf(*this))
    {
        if (aName == name)
        {
            return scene;
        }
    }
    return nullptr;
}

void Game::Restore(const SavedGame& aSave)
{
    for (const auto& [name, scene] : ScenesOf(*this))
    {
        scene->SetSceneState(aSave.scenes.at(name));
    }
    myCrashSite.SetState(aSave.crashSite);
    myTimeMachine.SetState(aSave.timeMachine);
    myCave.SetState(aSave.cave);
    myBlownUpCave.SetState(aSave.blownUpCave);
    myVolcano.SetState(aSave.volcano);
    myInventory.SetState(myHGE, aSave.inventory);
    myNotepad.SetState(aSave.notepad);
    myPlayer.SetWorldPosition(aSave.heroine);
    myPlayer.Face(aSave.heroineSheet);
    myCamera.SetPosition(aSave.camera);
    myCurtain.SetState(aSave.curtain);
    myHistory.SetEntries(aSave.history);
    myCurrentLevel = SceneNamed(aSave.scene);
    myStartScreen.SkipToPlay();
    // Last: skipping the prologue raises a flag of its own. A conversation the save had open
    // that this version no longer has holds nobody up.
    PostMasterFlags flags = aSave.flags;
    flags.conversationRunning =
        flags.conversationRunning && myCurrentLevel->IsConversationRunning();
    PostMaster::GetInstance()->SetFlags(flags);
}

void Game::OfferSave()
{
    if (!mySaves.Exists())
    {
        return;
    }
    auto save = std::make_unique<SavedGame>();
    std::string text;
    std::string problem;
    const SavedGame fresh = Capture();
    if (mySaves.Read(text, problem) && DecodeSave(text, fresh, *save, problem) &&
        Fits(*save, fresh, problem))
    {
        myOffer = std::move(save);
        myStartScreen.OfferContinue();
        return;
    }
    // Never trusted half-way, never thrown away: the player may want it looked at.
    const std::string kept = mySaves.SetAside() ? "it is kept as " + mySaves.GetSetAsidePath()
                                                : "it could not be set aside";
    Say("the save " + mySaves.GetPath() + " cannot be continued: " + problem + "; " + kept);
}

void Game::Continue()
{
    Restore(*myOffer);
}

void Game::Autosave(bool aDue, bool aEndPictureWasShown)
{
    if (myBillboard.IsShown())
    {
        // The story is over: the next run starts anew.
        if (!aEndPictureWasShown)
        {
            mySaves.Forget();
        }
        return;
    }
    if (aDue)
    {
        mySaves.Write(SaveText());
    }
}

void Game::SaveOnStop()
{
    if (mySavedOnStop || !myStartScreen.IsStarted() || myBillboard.IsShown())
    {
        return;
    }
    mySavedOnStop = true;
    SavedGame save = Capture();
    // The menu that ended the run is not part of the place to come back to.
    save.flags.paused = false;
    save.flags.quitRequested = false;
    mySaves.Write(EncodeSave(save));
}

void Game::Say(const std::string& aLine) const
{
    myHGE->System_Log("%s", aLine.c_str());
    std::fprintf(stderr, "marrowen: %s\n", aLine.c_str());
}
