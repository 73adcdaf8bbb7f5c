#pragma once
// How the design aids show positions: the general decimal form of a number,
// and positions rounded to one decimal (a tie to the even tenth), as the
// readouts, adjusters and guides show them.

#include <QString>

namespace kwpnd {

class PreviewForm;

// `value` rounded to one decimal, a tie going to the even tenth (12.25 gives
// 12.2, 12.75 gives 12.8).
double roundedToTenth(double value);

// The general decimal form of `value` rounded to one decimal ("1440", "12.3").
QString tenthsText(double value);

// The coordinate readout of a pointer at (x, y) canvas units: "X:" and "Y:"
// with the values rounded to one decimal, tool tips "Left" and "Top".
void showPointerReadout(PreviewForm& form, double x, double y);

}  // namespace kwpnd
