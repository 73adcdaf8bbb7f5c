#pragma once
// Printing the page a browser view shows, as the print preview asks for it:
// the call returns when the page has been laid out on `printer`.

class QPrinter;
class QWebEngineView;

namespace kwpnd::stationery {

// False when the browser could not print the page.
bool printPage(QWebEngineView& view, QPrinter& printer);

}  // namespace kwpnd::stationery
