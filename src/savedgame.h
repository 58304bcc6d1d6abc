#pragma once
// A whole game as plain data: everything that play changes and nothing that the content
// rebuilds (pictures, lines). Game takes it from its objects and gives it back to them; the
// save codec turns it into text and back.
#include <map>
#include <string>

#include "blownupcave.h"
#include "cave.h"
#include "conversationhistory.h"
#include "curtain.h"
#include "eventsingelton.h"
#include "inventory.h"
#include "junglecrashsite.h"
#include "notepad.h"
#include "timemachine.h"
#include "vulcano.h"

struct SavedGame
{
    std::string scene;  // the class name of the scene being played
    Vector2<float> heroine;
    int heroineSheet = 0;  // the way she faces, standing or walking
    Vector2<float> camera;
    Curtain::State curtain;  // the fade between scenes
    PostMasterFlags flags;
    Inventory::State inventory;
    Notepad::State notepad;
    // Every scene's shared part, by class name.
    std::map<std::string, LevelBaseData::SceneState> scenes;
    JungleCrashSite::State crashSite;
    TimeMachine::State timeMachine;
    Cave::State cave;
    BlownUpCave::State blownUpCave;
    Vulcano::State volcano;
    // The lines read so far, oldest first; saves made before the game kept them have none.
    std::vector<ConversationHistory::Entry> history;
};
