#pragma once
// What the stationery classes use of the rest of the library, as any host
// does, through its public headers: the INI handler for settings.ini, the
// checked reading and decoding of files a user names, the error catalogue
// and the message-box service. Kept in this one header.

#include "kwpnd/dialogs.h"
#include "kwpnd/error.h"
#include "kwpnd/ini_file_handler.h"
#include "kwpnd/user_files.h"
