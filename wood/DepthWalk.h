// The full check by which the quick-pick walks judge a tested depth.
#pragma once

namespace beam
{
struct BeamState;
}

namespace wood
{

// How the full check judges shear: at Fv' or, where the no-splits rule of NDS 1997 accepts it, at
// twice Fv'.
enum class ShearRule
{
    AtFvAdj,
    AtTwiceFvAdj
};

// The six comparisons of the full check on the results of the last test: deflections by their absolute
// values against their allowances, section modulus and shear; equality passes.
bool PassesFullCheck(const beam::BeamState& beam, ShearRule shear);

} // namespace wood
