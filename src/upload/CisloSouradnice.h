// The check that a coordinate typed into the point table is a number, before it is sent.
// It reads the usual decimal notation with "." as the decimal point whatever the user's
// regional settings, because the instrument reads the text exactly as sent.
#pragma once

#include <string_view>

// Optional blanks, an optional sign, digits with at most one point (at least one digit), an
// optional exponent (E or e, optional sign, digits), optional blanks. Empty fails.
bool JeCisloSouradnice(std::string_view text);
