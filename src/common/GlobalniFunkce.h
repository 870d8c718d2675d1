// Small free helpers shared by the windows, the readers and the uploads: key filters of the
// numeric fields and the string clean-up and splitting that every line reader uses.
// All strings are cp1250 byte strings, exactly as in files and on the wire.
#pragma once

#include <string>
#include <vector>

// A digit 0-9 (the same bytes in cp1250 as in ASCII; no locale is asked).
inline bool JeCislice(char c) {
    return c >= '0' && c <= '9';
}

// Key filter of a real-number field: backspace, digits and one decimal separator pass.
// Returns the key, or 0 to swallow it. The caller passes its locale's separator.
char FiltrRealneCislo(char key, const std::string& text, char decimalSeparator);

// Key filter of an integer field: backspace and digits pass; everything else gives 0.
char FiltrCeleCislo(char key);

// Removes the character from the left and/or right end as long as the string starts/ends
// with it.
void OrizniZnak(std::string& text, char c, bool fromLeft, bool fromRight);

// Collapses every run of two or more consecutive `c` into one.
void SlucOpakovanyZnak(std::string& text, char c);

// Removes CR and LF from the end of the string.
void OdstranKonceRadku(std::string& text);

// Replaces every occurrence of `what` by `with`.
void NahradZnak(std::string& text, char what, char with);

// Splits at `separator` into `pieces` (emptied first). A trailing separator adds no empty
// piece and an empty string gives none; empty pieces in between are kept when `keepEmpty`.
void RozdelRetezec(const std::string& text, const std::string& separator,
                   std::vector<std::string>* pieces, bool keepEmpty);

// Length reduction into the S-JTSK plane, in millimetres per kilometre. Each is evaluated in
// extended precision and rounded to double at the points where the surveyors' tables do,
// so that the factor matches theirs digit for digit.

// Reduction of the S-JTSK projection at the mean X and Y (metres). 0 outside the area
// kRozsahX by kRozsahY (common/RozsahSJTSK.h; the bounds are inside).
double RedukceJTSK(double x, double y);

// Reduction to the zero horizon (sea level) at the mean altitude H (metres), on the Bessel
// ellipsoid.
double RedukceHorizont(double h);

// The scale factor by which every slope distance is multiplied: 1 + (sum of both) * 1e-6.
double MeritkovyFaktor(double redukceJTSK, double redukceHorizont);
