#pragma once
// What the other folders use of the barcode folder: barcode label sheets as
// the window composes them. Everything else here is private.

#include "label_sheet.h"
