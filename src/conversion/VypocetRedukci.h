// What the parameters dialog computes and shows from the mean values, without the window:
// the dialog, merivox-cli and the coordinate variant (which never shows the dialog) get the
// same factor from the same settings.
#pragma once

#include "conversion/KonverzeRozhrani.h"
#include "conversion/NastaveniMAPA2.h"

#include <optional>
#include <string>

struct TRedukce {
    double JTSK = 0;     // mm/km
    double Horizont = 0; // mm/km
    double Celkem = 0;   // mm/km, the sum
    double Faktor = 1;
};

// From the texts of the X, Y and altitude fields; an empty or unreadable text counts as 0.
TRedukce VypocetRedukci(const std::string& x, const std::string& y, const std::string& vyska);

// A reduction as the dialog shows it: one decimal and " mm/km" ("-2,8 mm/km" with ',').
std::string TextRedukce(double mmNaKm, char oddelovac);
// The factor as the dialog shows it: seven decimals ("0,9999471" with ',').
std::string TextFaktoru(double faktor, char oddelovac);
// The factor the dialog hands over: its field read as a number with `oddelovac` as the
// decimal separator; 1.0 when it does not read.
long double CtiFaktor(const std::string& text, char oddelovac);

// The orientation mark: the first character of the mark field, none when it is empty.
std::optional<char> ZnakOznaceni(const std::string& pole);

// What the dialog would hand over for these settings without the user changing anything.
TVolbyKonverze VolbyZNastaveni(const TNastaveniMAPA2& nastaveni);
