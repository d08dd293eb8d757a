// Run-time errors: the standard descriptions the traps show, and the helpers that raise them.
#include "platform/core/RuntimeError.h"

#include <utility>

namespace platform
{

std::string standardDescription(int number)
{
    switch (number) {
    case err::InvalidCall:
        return "Invalid procedure call or argument";
    case err::Overflow:
        return "Overflow";
    case err::SubscriptOutOfRange:
        return "Subscript out of range";
    case err::DivisionByZero:
        return "Division by zero";
    case err::TypeMismatch:
        return "Type mismatch";
    case err::BadFileName:
        return "Bad file name or number";
    case err::FileNotFound:
        return "File not found";
    case err::DeviceIo:
        return "Device I/O error";
    case err::DiskFull:
        return "Disk full";
    case err::PermissionDenied:
        return "Permission denied";
    case err::PathFileAccess:
        return "Path/File access error";
    case err::PathNotFound:
        return "Path not found";
    case err::ControlArrayElement:
        return "Control array element 'n' doesn't exist";
    case err::InvalidPropertyValue:
        return "Invalid property value";
    case err::TextReadOnly:
        return "'Text' property is read-only";
    case err::PrinterError:
        return "Printer error";
    case err::ClipboardOpen:
        return "Can't open Clipboard";
    case err::CancelSelected:
        return "Cancel was selected.";
    default:
        return "Application-defined or object-defined error";
    }
}

RuntimeError::RuntimeError(int number) : m_number(number), m_description(standardDescription(number)) {}

RuntimeError::RuntimeError(int number, std::string description)
    : m_number(number), m_description(std::move(description))
{}

void raise(int number)
{
    throw RuntimeError(number);
}

void raise(int number, std::string description)
{
    throw RuntimeError(number, std::move(description));
}

} // namespace platform
