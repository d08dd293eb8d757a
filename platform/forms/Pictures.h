// Built-in line drawings: pictures the program describes as lines and texts in twips, so that every host
// can draw them at any size (an image control on screen, a rectangle on the printed page).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform
{

struct DrawnLine
{
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// A text centred on (x, y).
struct DrawnText
{
    double x = 0, y = 0;
    std::string text;
    double points = 9;
    bool bold = false;
};

struct DrawnPicture
{
    double width = 0, height = 0; // twips
    std::vector<DrawnLine> lines;
    std::vector<DrawnText> texts;
};

// The program registers its drawings under their picture ids; registering an id again replaces it.
void registerDrawnPicture(const std::string& id, DrawnPicture picture);
// nullptr when no drawing has that id.
const DrawnPicture* findDrawnPicture(std::string_view id);

} // namespace platform
