#pragma once
// What the other folders use of the stationery folder: nothing beyond the
// public <kwpnd/stationery.h>. Everything else here is private.

#include "kwpnd/stationery.h"
