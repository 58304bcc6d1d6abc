#include "inputwrapper/inputfeed.h"

void LiveFeed::Read(uint64_t /*aFrame*/, uint8_t aKeys[256], platform::MouseState& aMouse)
{
    mySource.ReadKeyboard(aKeys);
    aMouse = mySource.ReadMouse();
}
