// The built-in line drawings of the three notch types: a member end at its support with the notch and
// its labelled dimensions, shown on the notch form and stretched onto the printed page.
#pragma once

namespace notch
{

constexpr const char* TensionNotchPicture = "TensionNotch";
constexpr const char* CompressionNotchPicture = "CompressionNotch";
constexpr const char* TaperedNotchPicture = "TaperedNotch";

// Makes the three drawings known to the hosts under the ids above.
void registerNotchPictures();

} // namespace notch
