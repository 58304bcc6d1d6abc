#pragma once
// Process-wide flags through which loosely related parts of the game learn about the overall
// situation. Read and written on the logic thread only.

// The flags themselves, a plain record a saved game can keep.
struct PostMasterFlags
{
    bool robotActivated = false;       // flag 1
    bool raftMade = false;             // flag 3
    bool notepadOpen = false;          // flag 4
    bool inventoryOpen = false;        // flag 5
    bool conversationRunning = false;  // flag 6
    bool paused = false;               // flag 8: the quit menu is open
    bool quitRequested = false;        // flag 9
    bool openingFinished = false;      // flag 10: the quit menu may be opened
};

class PostMaster : public PostMasterFlags
{
public:
    static void Create();
    static void Destroy();
    static PostMaster* GetInstance();

    const PostMasterFlags& GetFlags() const { return *this; }
    void SetFlags(const PostMasterFlags& aFlags) { PostMasterFlags::operator=(aFlags); }

private:
    PostMaster() = default;
    static PostMaster* ourInstance;
};
