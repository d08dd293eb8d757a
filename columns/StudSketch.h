// The stud wall data record's sketch of the loaded stud, a built-in line drawing.
#pragma once

namespace columns
{

constexpr const char* StudSketchPicture = "StudWallSketch";

void registerStudSketch();

} // namespace columns
