#pragma once
// What the other folders use of the engine: the value conversions of layout
// and data texts, the error-handling kinds, the default of the dialog
// service (which the UI layer installs), the INI file handler and the
// decoding of INI and user text files, the look-up pass and the exact bytes
// of an INI file (for undoing a write), and the
// generation walk as a field renderer and a window see it (the field-kind
// registry, the working record, the field context, the driver, the host
// interface). Everything else here is private.

#include "conversions.h"
#include "dialogs_default.h"
#include "error_handling.h"
#include "field_context.h"
#include "field_kinds.h"
#include "ini_file_bytes.h"
#include "ini_lookup.h"
#include "ini_text_codec.h"
#include "kwpnd/ini_file_handler.h"
