#include "walkmap.h"

#include <cmath>
#include <deque>
#include <map>

namespace
{
constexpr float ourCellSize = 16.0f;
constexpr float ourStride = 0.2f;
}  // namespace

WalkMap::WalkMap(const CollisionMap& aMap, float aFrameWidth, float aFrameHeight)
    : myWidth(static_cast<int>(aMap.GetSize().x)),
      myHeight(static_cast<int>(aMap.GetSize().y)),
      myFrameWidth(aFrameWidth),
      myFrameHeight(aFrameHeight)
{
    for (int y = 0; y < myHeight; ++y)
    {
        for (int x = 0; x < myWidth; ++x)
        {
            myFree.push_back(aMap.IsFree(V((static_cast<float>(x) + 0.5f) * ourCellSize,
                                           (static_cast<float>(y) + 0.5f) * ourCellSize)));
        }
    }
}

bool WalkMap::IsFree(const V& aPoint) const
{
    // The same arithmetic as the game's map: outside the bitmap is blocked.
    if (!(aPoint.x >= 0 && aPoint.y >= 0 && aPoint.x < static_cast<float>(myWidth) * ourCellSize &&
          aPoint.y < static_cast<float>(myHeight) * ourCellSize))
    {
        return false;
    }
    const int x = static_cast<int>(aPoint.x / ourCellSize);
    const int y = static_cast<int>(aPoint.y / ourCellSize);
    return myFree[static_cast<size_t>(y) * myWidth + x];
}

bool WalkMap::CanStand(const V& aPosition) const
{
    const float right = aPosition.x + myFrameWidth;
    const float bottom = aPosition.y + myFrameHeight;
    return IsFree(V(right - 21, bottom - 28)) && IsFree(V(right - 50, bottom - 28)) &&
           IsFree(V(right - 21, bottom - 50)) && IsFree(V(right - 50, bottom - 50));
}

bool WalkMap::CanWalk(const V& aFrom, const V& aTo) const
{
    const V way = aTo - aFrom;
    const float length = std::fabs(way.x) + std::fabs(way.y);
    const int strides = static_cast<int>(std::lround(length / ourStride));
    for (int i = 1; i <= strides; ++i)
    {
        const float done = static_cast<float>(i) / static_cast<float>(strides);
        if (!CanStand(V(aFrom.x + way.x * done, aFrom.y + way.y * done)))
        {
            return false;
        }
    }
    return true;
}

std::vector<V> WalkMap::FindWay(const V& aStart, const std::function<bool(const V&)>& aGoal,
                                const std::function<bool(const V&)>& aAvoid, float aStep) const
{
    // A breadth-first search over the grid of positions aStart + aStep * (i, j).
    using Node = std::pair<int, int>;
    const auto at = [&](const Node& aNode)
    {
        return V(aStart.x + aStep * static_cast<float>(aNode.first),
                 aStart.y + aStep * static_cast<float>(aNode.second));
    };
    std::map<Node, Node> cameFrom;
    std::deque<Node> open{Node(0, 0)};
    cameFrom[Node(0, 0)] = Node(0, 0);
    const Node moves[4] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    while (!open.empty())
    {
        const Node node = open.front();
        open.pop_front();
        if (aGoal(at(node)))
        {
            std::vector<V> way;
            for (Node step = node; step != Node(0, 0); step = cameFrom[step])
            {
                way.insert(way.begin(), at(step));
            }
            way.insert(way.begin(), aStart);
            return way;
        }
        for (const Node& move : moves)
        {
            const Node next(node.first + move.first, node.second + move.second);
            if (cameFrom.count(next) == 0 && !aAvoid(at(next)) && CanWalk(at(node), at(next)))
            {
                cameFrom[next] = node;
                open.push_back(next);
            }
        }
    }
    return {};
}
