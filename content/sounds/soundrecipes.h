#pragma once
// One function per effect, each making its sound from the kit's parts. Variants of one effect
// differ in their seed and a little in pitch.
#include <vector>

namespace content
{
namespace sfx
{
std::vector<float> Pickup();
std::vector<float> CombineWorks();
std::vector<float> CombineFails();
std::vector<float> Bag(bool aOpening);
std::vector<float> Page(bool aOpening);
std::vector<float> Button();

std::vector<float> Curtain();
std::vector<float> RaftCrossing();
std::vector<float> Blast();
std::vector<float> EngineTakesPart();
std::vector<float> MachineStarts();

std::vector<float> StepGrass(int aVariant);
std::vector<float> StepSand(int aVariant);
std::vector<float> StepStone(int aVariant);
std::vector<float> StepMetal(int aVariant);
}  // namespace sfx
}  // namespace content
