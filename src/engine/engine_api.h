#pragma once
// What the other folders use of the engine: the value conversions of layout
// and data texts, the error-handling kinds, the INI file handler, and the
// generation walk as a field renderer and a window see it (the field-kind
// registry, the working record, the field context, the driver, the host
// interface), and the Windows-1252 code page. Everything else here is
// private.

#include "conversions.h"
#include "error_handling.h"
#include "field_context.h"
#include "field_kinds.h"
#include "ini_file_handler.h"
#include "windows1252.h"
