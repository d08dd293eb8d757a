// Key codes of the keys the model delivers to KeyDown handlers.
#include "platform/forms/Types.h"

namespace platform
{

int keyCode(Key key)
{
    switch (key) {
    case Key::Tab:
        return 9;
    case Key::Enter:
        return 13;
    case Key::Escape:
        return 27;
    case Key::Insert:
        return 45;
    case Key::Delete:
        return 46;
    case Key::Backspace:
        return 8;
    case Key::Home:
        return 36;
    case Key::End:
        return 35;
    case Key::Left:
        return 37;
    case Key::Up:
        return 38;
    case Key::Right:
        return 39;
    case Key::Down:
        return 40;
    case Key::F1:
        return 112;
    case Key::F2:
        return 113;
    case Key::F3:
        return 114;
    case Key::F4:
        return 115;
    }
    return 0;
}

} // namespace platform
