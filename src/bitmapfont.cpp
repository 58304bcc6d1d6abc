#include "bitmapfont.h"

#include <algorithm>
#include <cmath>

#include "fatal.h"
#include "fontdescription.h"
#include "quadsprite.h"

BitmapFont::BitmapFont(HGE* aFiles, const std::string& aPath, bool aMipmap)
    : myHGE(hgeCreate(HGE_VERSION))
{
    const std::shared_ptr<const FontDescription> description = LoadFontDescription(*aFiles, aPath);
    if (description == nullptr)
    {
        myProblem = aPath + ": file not found";
        return;
    }
    if (!description->wellFormed)
    {
        aFiles->System_Log("Font %s has incorrect format.", aPath.c_str());
        myProblem = aPath + ": " + description->problem;
        return;
    }
    Build(*aFiles, *description, aMipmap);
    if (myProblem.empty() && !description->problem.empty())
    {
        myProblem = aPath + ": " + description->problem;
    }
}

BitmapFont::~BitmapFont()
{
    for (Glyph& glyph : myGlyphs)
    {
        glyph.quad.reset();
    }
    for (HTEXTURE texture : myTextures)
    {
        myHGE->Texture_Free(texture);
    }
    myHGE->Release();
}

void BitmapFont::Build(HGE& aFiles, const FontDescription& aDescription, bool aMipmap)
{
    HTEXTURE texture = 0;
    for (const FontPictureSection& section : aDescription.sections)
    {
        if (!section.picturePath.empty())
        {
            const HTEXTURE loaded = aFiles.Texture_Load(section.picturePath.c_str(), 0, aMipmap);
            if (loaded == 0)
            {
                // The engine's reason already names the picture.
                const std::string reason = platform::LastError();
                myProblem = reason.empty() ? section.picturePath + ": picture not loaded" : reason;
                return;
            }
            texture = loaded;
            myTextures.push_back(texture);
        }
        for (const GlyphDefinition& definition : section.glyphs)
        {
            Glyph& glyph = myGlyphs[static_cast<size_t>(definition.code)];
            glyph.quad = std::make_unique<QuadSprite>(texture, definition.x, definition.y,
                                                      definition.width, definition.height);
            glyph.width = definition.width;
            glyph.pre = definition.pre;
            glyph.post = definition.post;
            myHeight = std::max(myHeight, definition.height);
        }
    }
}

const BitmapFont::Glyph* BitmapFont::Find(char aChar) const
{
    const Glyph& own = myGlyphs[static_cast<unsigned char>(aChar)];
    if (own.quad != nullptr)
    {
        return &own;
    }
    const Glyph& question = myGlyphs[static_cast<unsigned char>('?')];
    return question.quad != nullptr ? &question : nullptr;
}

float BitmapFont::RowWidth(const std::string& aText, size_t& aPos) const
{
    float width = 0.0f;
    for (; aPos < aText.size() && aText[aPos] != '\n'; ++aPos)
    {
        if (const Glyph* glyph = Find(aText[aPos]))
        {
            width += glyph->width + glyph->pre + glyph->post + myTracking;
        }
    }
    return width;
}

float BitmapFont::GetStringWidth(const std::string& aText, bool aMultiline) const
{
    size_t pos = 0;
    float widest = RowWidth(aText, pos);
    while (aMultiline && pos < aText.size())
    {
        pos = std::min(aText.find_first_not_of("\r\n", pos), aText.size());
        widest = std::max(widest, RowWidth(aText, pos));
    }
    return widest * myScale * myProportion;
}

float BitmapFont::RowStart(float aX, int aAlignment, const std::string& aText, size_t aRow) const
{
    const float width = RowWidth(aText, aRow) * myScale * myProportion;
    switch (aAlignment)
    {
        case 1:
            return aX - width;
        case 2:
            return aX - std::round(width / 2.0f);
        default:
            return aX;
    }
}

void BitmapFont::Render(float aX, float aY, int aAlignment, const std::string& aText) const
{
    std::lock_guard<std::mutex> lock(myMutex);
    const int alignment = aAlignment & 3;
    float penX = RowStart(aX, alignment, aText, 0);
    float y = aY;
    for (size_t i = 0; i < aText.size(); ++i)
    {
        if (aText[i] == '\n')
        {
            y += std::round(mySpacing * myScale * myHeight);
            penX = RowStart(aX, alignment, aText, i + 1);
            continue;
        }
        const Glyph* glyph = Find(aText[i]);
        if (glyph == nullptr)
        {
            continue;
        }
        penX += glyph->pre * myProportion * myScale;
        glyph->quad->RenderEx(penX, y, myRotation, myScale * myProportion, myScale);
        penX += (glyph->width + glyph->post + myTracking) * myProportion * myScale;
    }
}

void BitmapFont::SetColor(DWORD aColor)
{
    std::lock_guard<std::mutex> lock(myMutex);
    for (Glyph& glyph : myGlyphs)
    {
        if (glyph.quad != nullptr)
        {
            glyph.quad->SetColor(aColor);
        }
    }
}
