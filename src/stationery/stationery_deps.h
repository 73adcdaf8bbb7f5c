#pragma once
// What the stationery classes use of the rest of the library: the INI
// handler for settings.ini, the Windows-1252 decoding of old pages, the
// checked reading of files named by a user, the error catalogue and the
// message-box service. Kept in this one header.

#include "engine/ini_file_handler.h"
#include "engine/windows1252.h"
#include "kwpnd/dialogs.h"
#include "kwpnd/error.h"
#include "surface/regular_file.h"
