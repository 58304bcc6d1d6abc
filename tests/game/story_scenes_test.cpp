// What every scene shows of the things lying in it: each thing to carry is drawn by its own
// picture where it lies, not painted into the scene, so taking it takes it out of the picture.
#include <gtest/gtest.h>

#include <memory>

#include "blownupcave.h"
#include "cave.h"
#include "deepjungle.h"
#include "itemcatalogue.h"
#include "junglecrashsite.h"
#include "storyfixtures.h"
#include "timemachine.h"
#include "village.h"
#include "vulcano.h"

namespace
{
using namespace storyfixtures;

template <typename Scene>
std::unique_ptr<LevelBaseData> Make()
{
    return std::make_unique<Scene>();
}

bool Blank(const std::string& aPicture)
{
    return aPicture == "img/empty.dds" || aPicture == "img/items/empty.dds";
}

using SceneStory = StoryTest;

TEST_F(SceneStory, EveryThingToCarryLyingInASceneIsDrawnThereByItsOwnPicture)
{
    for (auto make : {Make<JungleCrashSite>, Make<DeepJungle>, Make<TimeMachine>, Make<Cave>,
                      Make<BlownUpCave>, Make<Village>, Make<Vulcano>})
    {
        std::unique_ptr<LevelBaseData> scene = make();
        Start(*scene, V(5000, 5000));
        Frame();
        Frame();  // the view has settled: the items' places on screen are the ones drawn
        for (const Item& item : scene->GetItems())
        {
            std::string picture;
            std::string icon;
            ASSERT_TRUE(itemcatalogue::PicturesOf(item.GetName(), picture, icon));
            // Things to carry have an icon; places to use, which the scene shows, have none.
            if (!item.IsActive() || Blank(icon))
            {
                continue;
            }
            SCOPED_TRACE(item.GetName());
            EXPECT_FALSE(Blank(picture)) << "the scene's picture would have to show it";
            const V where = item.GetWorldPosition() - myCamera.GetPosition();
            EXPECT_EQ(1, Drawn(picture, &where));
        }
    }
}
}  // namespace
