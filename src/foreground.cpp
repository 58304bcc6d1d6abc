#include "foreground.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "fatal.h"
#include "heroineframe.h"
#include "overlayparts.h"

namespace
{
// How far a part covering her fades, and how many alpha steps a logic frame it moves.
constexpr int ourSeeThrough = 110;
constexpr int ourFadeStep = 3;

bool Covers(const Foreground::Part& aPart, const Vector2<float>& aHeroine)
{
    const float width = static_cast<float>(geometry::ourHeroineWidth);
    const float height = static_cast<float>(geometry::ourHeroineHeight);
    return aPart.position.x < aHeroine.x + width && aHeroine.x < aPart.position.x + aPart.size.x &&
           aPart.position.y < aHeroine.y + height && aHeroine.y < aPart.position.y + aPart.size.y;
}
}  // namespace

void Foreground::Load(HGE* aHGE, const std::string& aOverlay)
{
    const std::string listPath = geometry::OverlayPartsPath(aOverlay);
    const StaticSprite whole(aHGE, aOverlay);
    DWORD size = 0;
    void* data = aHGE->Resource_Load(listPath.c_str(), &size);
    if (data == nullptr)
    {
        Part part;
        part.sprite = whole;
        part.size = Vector2<float>(whole.GetWidth(), whole.GetHeight());
        // In front of whoever stands anywhere.
        part.base = part.size.y + 1.0e6f;
        part.fades = false;
        myParts = {part};
        return;
    }
    const std::string text(static_cast<const char*>(data), size);
    aHGE->Resource_Free(data);
    std::vector<geometry::OverlayPart> parts;
    std::string problem;
    if (!geometry::ParseOverlayParts(text, parts, problem))
    {
        platform::Fatal((listPath + ": " + problem).c_str());
    }
    myParts.clear();
    for (const geometry::OverlayPart& piece : parts)
    {
        Part part;
        // Each part its own quad, showing its own piece of the overlay.
        part.sprite = StaticSprite(aHGE, aOverlay);
        part.sprite.ShowPart(static_cast<float>(piece.pictureLeft),
                             static_cast<float>(piece.pictureTop), static_cast<float>(piece.width),
                             static_cast<float>(piece.height));
        part.position =
            Vector2<float>(static_cast<float>(piece.left), static_cast<float>(piece.top));
        part.size =
            Vector2<float>(static_cast<float>(piece.width), static_cast<float>(piece.height));
        part.base = static_cast<float>(piece.base);
        myParts.push_back(part);
    }
}

void Foreground::Update(const Vector2<float>& aHeroine)
{
    const float feet = aHeroine.y + static_cast<float>(geometry::ourFeetY);
    for (Part& part : myParts)
    {
        part.inFront = feet < part.base;
        const bool covering = part.fades && part.inFront && Covers(part, aHeroine);
        const int target = covering ? ourSeeThrough : 255;
        const int step = std::min(ourFadeStep, std::abs(target - part.alpha));
        const int alpha = part.alpha + (target > part.alpha ? step : -step);
        if (alpha != part.alpha)
        {
            part.alpha = alpha;
            part.sprite.SetColor(Color{255, 255, 255, alpha});
        }
    }
}

void Foreground::Submit(RenderData& aBuffer, const Camera& aCamera, bool aInFront) const
{
    for (const Part& part : myParts)
    {
        if (part.inFront == aInFront)
        {
            aBuffer.SubmitSprite(part.sprite, part.position - aCamera.GetPosition());
        }
    }
}

void Foreground::SubmitBehind(RenderData& aBuffer, const Camera& aCamera) const
{
    Submit(aBuffer, aCamera, false);
}

void Foreground::SubmitInFront(RenderData& aBuffer, const Camera& aCamera) const
{
    Submit(aBuffer, aCamera, true);
}
