// How the point and code files are cut into fields. Both accept any separator: the file's
// first line decides it, so blank-separated files (the MAPA2 coordinate output among them)
// load as well as the comma-separated ones this program writes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Whether a cp1250 byte is a letter (ASCII or one of the code page's letters with diacritics,
// such as Ž, í or ů) or an ASCII digit.
bool JePismenoNeboCislice(char c);

// The first character of the line that is neither a letter nor a digit, else the blank.
// Letters with diacritics are letters, so "ŽIVOTNÍ,kóta" is split at the comma. A blank is
// taken only when it really separates: when the first character after it that is no letter,
// digit or blank is a comma standing between other than two digits, the blank lay inside
// the first field ("ZELEN PLOCHY,strom") and the comma separates; a comma between digits is
// a decimal mark of a blank-separated file ("101 512,34 108,25").
char OddelovacSouboru(std::string_view prvniRadek);

// The separator as the user reads it: "mezera", "středník (;)", "tečka (.)", ... (cp1250).
std::string NazevOddelovace(char oddelovac);

// One line's fields: runs of blanks collapsed to one, then split at the separator with empty
// fields kept; the text after the last separator is a field only when it is not empty.
std::vector<std::string> PoleRadku(std::string_view radek, char oddelovac);

// The fields of every line, in order, and the separator they were split at; an empty line
// gives an empty list and keeps its place, since line 0 always fills the table's first row.
struct TPoleSouboru {
    std::vector<std::vector<std::string>> Radky;
    char Oddelovac = ' ';
};
TPoleSouboru PoleSouboru(std::string_view obsah);
