#pragma once

#include <QString>
#include <optional>

namespace veldora {

// Values are held as the text a label shows or a table cell stores; these turn
// that text into numbers and back.

// A whole number that fits 32 bits: optional sign and decimal digits, spaces
// around it allowed. Empty text, other characters and out-of-range values are
// not numbers.
std::optional<qint32> parseInt32(const QString &text);

// The same for label captions, which hold sums wider than one item cell.
std::optional<qint64> parseInt64(const QString &text);

// A decimal number with either "," or "." as separator (a catalogue written
// under another locale still loads), optional exponent "E". Not finite is not a number.
std::optional<double> parseDecimal(const QString &text);

// General format: at most 15 significant digits, no trailing zeros, no separator
// when whole, scientific ("1,5E-7", "1E20") outside 1E-5 .. 1E15.
QString formatDecimal(double value, const QString &separator);

// The text of the sum `text` + `amount`, kept as a decimal text. The sum is
// rounded to the precision of the larger operand, so taking away what was added
// gives back the text there was.
QString addDecimal(const QString &text, double amount, const QString &separator);

// `to` − `from`, both decimal texts (text that is no number counts as 0),
// rounded like addDecimal so that 1234,5 → 1234,4 is −0,1.
double decimalDifference(const QString &from, const QString &to);

// "'%s' is not a valid integer value" with the offending text in place of %s.
QString notAnIntegerMessage(const QString &text);

}  // namespace veldora
