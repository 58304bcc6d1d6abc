#pragma once
// The upright parts of a scene drawn over the characters (crowns of trees, roofs, arches, the
// desks of the time machine): each covers the heroine only while she stands behind it, and one
// that covers her turns see-through, so she never disappears. The parts come from the scene's
// overlay picture and the list beside it (geometry/overlayparts.h). Without a list the whole
// overlay is one part, in front of everyone, that never fades.
#include <string>
#include <vector>

#include "camera.h"
#include "hge.h"
#include "renderdata.h"
#include "staticsprite.h"

class Foreground
{
public:
    // The overlay picture aOverlay and its parts; a list that cannot be read ends the program
    // naming the file, the line and the problem.
    void Load(HGE* aHGE, const std::string& aOverlay);
    // Per frame: which parts stand in front of a heroine at aHeroine (her frame's top-left),
    // and each part covering her fades a step towards see-through, the others back.
    void Update(const Vector2<float>& aHeroine);
    // The parts she stands in front of: drawn before her.
    void SubmitBehind(RenderData& aBuffer, const Camera& aCamera) const;
    // The parts she stands behind: drawn after her.
    void SubmitInFront(RenderData& aBuffer, const Camera& aCamera) const;

    struct Part
    {
        StaticSprite sprite;
        Vector2<float> position;
        Vector2<float> size;
        float base = 0.0f;  // she is behind the part while her feet are above this line
        bool inFront = true;
        bool fades = true;  // turns see-through while it covers her
        int alpha = 255;
    };

private:
    void Submit(RenderData& aBuffer, const Camera& aCamera, bool aInFront) const;

    std::vector<Part> myParts;
};
