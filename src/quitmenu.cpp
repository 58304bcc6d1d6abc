#include "quitmenu.h"

#include "bounds.h"
#include "eventsingelton.h"
#include "soundmanager.h"

namespace
{
constexpr int ourLeftButton = 0;
}  // namespace

QuitMenu::QuitMenu(HGE* aHGE) : myBackground(aHGE), myExitButton(aHGE), myContinueButton(aHGE) {}

void QuitMenu::Init()
{
    const std::pair<AnimationBase*, const char*> pictures[] = {
        {&myBackground, "img/QuitMenu/Menu background.dds"},
        {&myExitButton, "img/QuitMenu/Button Exit Game Normal.dds"},
        {&myContinueButton, "img/QuitMenu/Button Continue Game Normal.dds"},
    };
    for (const auto& [animation, path] : pictures)
    {
        animation->AddSheet(path, 1, 0.01f);
        animation->Init();
        animation->SetAnimation(0);
        animation->SetPosition(myMenuPosition);
    }
    myExitTopLeft = myMenuPosition + myExitOffset;
    myExitBottomRight =
        myExitTopLeft + Vector2<float>(myExitButton.GetWidth(), myExitButton.GetHeight());
    myContinueTopLeft = myMenuPosition + myContinueOffset;
    myContinueBottomRight = myContinueTopLeft + Vector2<float>(myContinueButton.GetWidth(),
                                                               myContinueButton.GetHeight());
}

void QuitMenu::Update(InputWrapper& aInput)
{
    PostMaster& flags = *PostMaster::GetInstance();
    if (!flags.paused || !aInput.ButtonReleased(ourLeftButton))
    {
        return;
    }
    const Vector2<int> cursor = aInput.GetMousePosition();
    const Vector2<float> mouse(static_cast<float>(cursor.x), static_cast<float>(cursor.y));
    if (StrictlyInside(myExitTopLeft, myExitBottomRight, mouse))
    {
        SoundManager::PlayEffect(geometry::SoundEffect::Button);
        flags.quitRequested = true;
    }
    else if (StrictlyInside(myContinueTopLeft, myContinueBottomRight, mouse))
    {
        SoundManager::PlayEffect(geometry::SoundEffect::Button);
        flags.paused = false;
    }
}

void QuitMenu::FillRenderBuffer(RenderData& aBuffer)
{
    if (!PostMaster::GetInstance()->paused)
    {
        return;
    }
    aBuffer.SubmitAnimation(myBackground, myMenuPosition);
    aBuffer.SubmitAnimation(myExitButton, myMenuPosition + myExitOffset);
    aBuffer.SubmitAnimation(myContinueButton, myMenuPosition + myContinueOffset);
}
