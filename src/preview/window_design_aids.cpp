#include "window_design_aids.h"

namespace kwpnd {

namespace {
DesignAidsFactory& registeredFactory()
{
    static DesignAidsFactory factory = nullptr;
    return factory;
}
}  // namespace

void setDesignAidsFactory(DesignAidsFactory factory) { registeredFactory() = factory; }

DesignAidsFactory designAidsFactory() { return registeredFactory(); }

}  // namespace kwpnd
