// Run-time errors: the numbered failures that procedures trap and show by description.
#pragma once

#include <exception>
#include <string>

namespace platform
{

// Error numbers the program raises and traps; their standard texts come from standardDescription().
namespace err
{
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int DeviceIo = 57;
constexpr int DiskFull = 61;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int ControlArrayElement = 340;
constexpr int InvalidPropertyValue = 380;
constexpr int TextReadOnly = 383;
constexpr int PrinterError = 482;
constexpr int ClipboardOpen = 521;
constexpr int CancelSelected = 32755;
} // namespace err

// The standard text of an error number ("Overflow", "Type mismatch", ...); unknown numbers get
// "Application-defined or object-defined error".
std::string standardDescription(int number);

class RuntimeError : public std::exception
{
  public:
    explicit RuntimeError(int number);
    RuntimeError(int number, std::string description);

    int number() const noexcept { return m_number; }
    const std::string& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_description.c_str(); }

  private:
    int m_number;
    std::string m_description;
};

[[noreturn]] void raise(int number);
[[noreturn]] void raise(int number, std::string description);

// Thrown by the program's End: not a run-time error, so no trap catches it; the dispatcher ends the program.
class EndProgram
{};

} // namespace platform
