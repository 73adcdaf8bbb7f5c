#pragma once
// What the stationery classes use of the rest of the library: the INI
// handler for settings.ini and the Windows-1252 decoding of old pages (the
// engine), the checked reading of files named by a user (the surface), the
// error catalogue and the message-box service. Kept in this one header.

#include "engine_api.h"
#include "kwpnd/dialogs.h"
#include "kwpnd/error.h"
#include "surface_api.h"
