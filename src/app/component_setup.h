#pragma once
// Setting up a preview component from render's options, shared by the
// commands that open a document (render, preview, print).

#include "command_line.h"

#include <kwpnd/error.h>
#include <kwpnd/preview.h>

namespace kwpnd::app {

class CommandLineControls;

// "text (error N)" for one-line messages.
QString describe(const Error& e);

// Pictures, watermark, scale, registered strings, pictures and controls of
// `o` onto the component. A picture file that cannot be loaded throws its
// error with the option and file named.
void applyRenderOptions(clsKWPNDPreviewA& component, const RenderOptions& o, CommandLineControls& controls);

}  // namespace kwpnd::app
