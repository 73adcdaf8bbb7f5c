#pragma once
// The runtime component: services of the process environment for fields.

#include <QString>
#include <cstdint>

namespace kwpnd {

class RuntimeComponent {
public:
    // What 2 asks for: the value of the environment variable `name` (empty when
    // unset). With `expand`, references to other variables inside the value
    // ($VAR, ${VAR}, %VAR%) are replaced by their values, once. Any other
    // `what`: error 5.
    QString EnvironGet(std::int16_t what, const QString& name, bool expand = false) const;

    static constexpr std::int16_t kEnvironmentVariable = 2;
};

// Replaces $VAR, ${VAR} and %VAR% references by the variables' values; an
// unset variable gives the empty text; "$" not followed by a name, and a
// lone "%", stay as they are.
QString expandEnvironmentReferences(const QString& text);

}  // namespace kwpnd
