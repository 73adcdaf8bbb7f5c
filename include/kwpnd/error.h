#pragma once
// Failures of the library: an error number and its description, as the
// classic automation runtime numbers them. Every failing operation throws
// kwpnd::Error; public classes let it reach the host unchanged.

#include "kwpnd/kwpnd10_export.h"

#include <QString>
#include <exception>

namespace kwpnd {

namespace ErrorNumber {
inline constexpr int InvalidProcedureCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int FileNotFound = 53;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int ObjectNotSet = 91;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int MethodNotSupported = 438;
inline constexpr int DuplicateKey = 457;
inline constexpr int InvalidPicture = 481;
inline constexpr int PrinterError = 482;
inline constexpr int ActionNotSupported = 445;
}  // namespace ErrorNumber

// The standard description of an error number ("Overflow", "File not found" ...).
KWPND10_EXPORT QString errorDescription(int number);

class KWPND10_EXPORT Error : public std::exception {
public:
    // An error with the standard description of its number.
    explicit Error(int number);
    // An error with its own description (a detail a user needs to act on).
    Error(int number, QString description);

    int number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    int number_;
    QString description_;
    QByteArray utf8_;
};

}  // namespace kwpnd
