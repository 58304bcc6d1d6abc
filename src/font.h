#pragma once
// A text on screen: a bitmap font file, the text, where it stands and how it is aligned. The
// logic thread sets the text and position for the next frame while the render thread may be
// drawing the previous one; the object's lock keeps the two apart. Copies share the loaded
// bitmap font.
#include <memory>
#include <mutex>
#include <string>

#include "color.h"
#include "hge.h"
#include "vector2.h"

class BitmapFont;

class Font
{
public:
    Font() = default;
    explicit Font(HGE* aHGE) : myHGE(aHGE) {}
    // Also names the font file (see SetSpriteFont).
    Font(HGE* aHGE, const std::string& aPath);
    Font(const Font& aOther);
    Font& operator=(const Font& aOther);
    ~Font() = default;

    // Names the font description file; a file that does not exist ends the program.
    void SetSpriteFont(const std::string& aPath);
    // Reads the named font; a font that cannot be read whole ends the program naming the file
    // and the problem.
    void Load();

    void SetPosition(float aX, float aY);
    void SetPosition(const Vector2<float>& aPosition);
    Vector2<float> GetPosition() const;
    // 0 left, 1 right, 2 centred on the position (only the two low bits count).
    void SetAlignment(int aAlignment);
    // The text drawn; line feeds start new rows.
    void SetText(const std::string& aText);
    std::string GetText() const;
    // Colour of every glyph of the (shared) loaded font.
    void SetColor(const Color& aColor);
    // Height of the font's tallest glyph; 0 before Load.
    float GetHeight() const;

    // Render thread: draws the text at the position, once loaded.
    void Render() const;

private:
    HGE* myHGE = nullptr;
    std::shared_ptr<BitmapFont> myFont;
    std::string mySpriteFont;
    Vector2<float> myPosition;
    std::string myText;
    int myAlignment = 0;
    bool myLoaded = false;
    mutable std::mutex myMutex;  // guards the text, position and alignment
};
