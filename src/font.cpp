#include "font.h"

#include "assertion.h"
#include "bitmapfont.h"
#include "fatal.h"

Font::Font(HGE* aHGE, const std::string& aPath) : myHGE(aHGE)
{
    SetSpriteFont(aPath);
}

Font::Font(const Font& aOther)
{
    *this = aOther;
}

Font& Font::operator=(const Font& aOther)
{
    if (this != &aOther)
    {
        std::scoped_lock lock(myMutex, aOther.myMutex);
        myHGE = aOther.myHGE;
        myFont = aOther.myFont;
        mySpriteFont = aOther.mySpriteFont;
        myPosition = aOther.myPosition;
        myText = aOther.myText;
        myAlignment = aOther.myAlignment;
        myLoaded = aOther.myLoaded;
    }
    return *this;
}

void Font::SetSpriteFont(const std::string& aPath)
{
    mySpriteFont = aPath;
    if (!myHGE->Resource_EnumFiles(mySpriteFont.c_str()))
    {
        platform::SetLastError("%s: file not found", mySpriteFont.c_str());
    }
    MARROWEN_ASSERT(
        myHGE->Resource_EnumFiles(mySpriteFont.c_str()) && "Cannot load the font source", "font");
}

void Font::Load()
{
    std::lock_guard<std::mutex> lock(myMutex);
    myFont = std::make_shared<BitmapFont>(myHGE, mySpriteFont, false);
    // An empty or half-read font would silently show no text.
    if (!myFont->GetProblem().empty())
    {
        platform::SetLastError("%s", myFont->GetProblem().c_str());
        myFont.reset();
    }
    MARROWEN_ASSERT(myFont && "Could not load the font.", "font");
    myLoaded = true;
}

void Font::SetPosition(float aX, float aY)
{
    SetPosition(Vector2<float>(aX, aY));
}

void Font::SetPosition(const Vector2<float>& aPosition)
{
    std::lock_guard<std::mutex> lock(myMutex);
    myPosition = aPosition;
}

Vector2<float> Font::GetPosition() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myPosition;
}

void Font::SetAlignment(int aAlignment)
{
    std::lock_guard<std::mutex> lock(myMutex);
    myAlignment = aAlignment;
}

void Font::SetText(const std::string& aText)
{
    std::lock_guard<std::mutex> lock(myMutex);
    myText = aText;
}

std::string Font::GetText() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myText;
}

void Font::SetColor(const Color& aColor)
{
    std::lock_guard<std::mutex> lock(myMutex);
    if (myFont)
    {
        myFont->SetColor(aColor.ToArgb());
    }
}

float Font::GetHeight() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myFont ? myFont->GetHeight() : 0.0f;
}

void Font::Render() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    if (myLoaded)
    {
        myFont->Render(myPosition.x, myPosition.y, myAlignment, myText);
    }
}
