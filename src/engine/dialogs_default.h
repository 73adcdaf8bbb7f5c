#pragma once
// The default dialog service. The engine knows no widget: it falls back to
// headless dialogs, and the layer that shows windows installs a factory that
// gives real dialogs where they can be shown.

#include "kwpnd/dialogs.h"

#include <functional>
#include <memory>

namespace kwpnd {

// Called by Dialogs::current() when no service is set; a null result means
// headless dialogs. Installing a factory does not replace a service already
// in use.
using DialogsFactory = std::function<std::shared_ptr<Dialogs>()>;
void setDefaultDialogsFactory(DialogsFactory factory);

}  // namespace kwpnd
