#pragma once
// Failures of the library: an error number and its description, as the
// classic automation runtime numbers them, plus an optional detail that says
// what exactly failed. Every failing operation throws kwpnd::Error; public
// classes let it reach the host unchanged.

#include "kwpnd/kwpnd10_export.h"

#include <QByteArray>
#include <QString>
#include <exception>

// The catalogue: every error number the library raises, the name of its
// constant in kwpnd::ErrorNumber and the runtime's own description, used
// exactly as hosts know it. X(number, name, description) for each entry.
#define KWPND_ERROR_CATALOGUE(X)                                                              \
    X(3, ReturnWithoutGoSub, "Return without GoSub")                                          \
    X(5, InvalidProcedureCall, "Invalid procedure call or argument")                          \
    X(6, Overflow, "Overflow")                                                                \
    X(7, OutOfMemory, "Out of memory")                                                        \
    X(9, SubscriptOutOfRange, "Subscript out of range")                                       \
    X(11, DivisionByZero, "Division by zero")                                                 \
    X(13, TypeMismatch, "Type mismatch")                                                      \
    X(52, BadFileNameOrNumber, "Bad file name or number")                                     \
    X(53, FileNotFound, "File not found")                                                     \
    X(61, DiskFull, "Disk full")                                                              \
    X(70, PermissionDenied, "Permission denied")                                              \
    X(75, PathFileAccess, "Path/File access error")                                           \
    X(76, PathNotFound, "Path not found")                                                     \
    X(91, ObjectNotSet, "Object variable or With block variable not set")                     \
    X(94, InvalidUseOfNull, "Invalid use of Null")                                            \
    X(340, ControlArrayElementMissing, "Control array element doesn't exist")                 \
    X(380, InvalidPropertyValue, "Invalid property value")                                    \
    X(424, ObjectRequired, "Object required")                                                 \
    X(438, MethodNotSupported, "Object doesn't support this property or method")              \
    X(445, ActionNotSupported, "Object doesn't support this action")                          \
    X(457, DuplicateKey, "This key is already associated with an element of this collection") \
    X(481, InvalidPicture, "Invalid picture")                                                 \
    X(482, PrinterError, "Printer error")

namespace kwpnd {

// The numbers of the catalogue by name: ErrorNumber::Overflow is 6.
namespace ErrorNumber {
#define KWPND_ERROR_CONSTANT(number, name, description) inline constexpr int name = number;
KWPND_ERROR_CATALOGUE(KWPND_ERROR_CONSTANT)
#undef KWPND_ERROR_CONSTANT
}  // namespace ErrorNumber

/// The runtime's description of an error number ("Overflow", "File not
/// found" ...); "Application-defined or object-defined error" for a number
/// outside the catalogue.
KWPND10_EXPORT QString errorDescription(int number);

/// A failure of the library: a classic error number with its description
/// from the catalogue, and an optional detail naming what failed.
class KWPND10_EXPORT Error : public std::exception {
public:
    /// An error with the description of its number and no detail.
    explicit Error(int number);
    /// An error with the description of its number and a detail naming what
    /// failed (the key, the value, the file ...). An empty detail is none.
    static Error detailed(int number, QString detail);
    /// This error with `context` (the option, file or key it concerns) put
    /// before its detail: "context: detail", or `context` alone.
    Error within(const QString& context) const;

    /// The error number (6 for an overflow).
    int number() const noexcept { return number_; }
    /// The runtime's description of the number, never anything else: this is
    /// what message boxes and hosts compare against.
    const QString& description() const noexcept { return description_; }
    /// What exactly failed; empty when the error has no detail.
    const QString& detail() const noexcept { return detail_; }
    /// "description: detail", or the description alone when there is no detail.
    QString message() const;
    /// message() in UTF-8.
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    struct WithDetail {};
    Error(int number, QString detail, WithDetail);

    int number_;
    QString description_;
    QString detail_;
    QByteArray utf8_;
};

}  // namespace kwpnd
