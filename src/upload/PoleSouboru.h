// How the point and code files are cut into fields. Both accept any separator: the file's
// first line decides it, so blank-separated files (the MAPA2 coordinate output among them)
// load as well as the comma-separated ones this program writes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The first character of the line that is not an ASCII letter or digit, else the blank.
char OddelovacSouboru(std::string_view prvniRadek);

// One line's fields: runs of blanks collapsed to one, then split at the separator with empty
// fields kept; the text after the last separator is a field only when it is not empty.
std::vector<std::string> PoleRadku(std::string_view radek, char oddelovac);

// The fields of every line, in order; an empty line gives an empty list and keeps its place,
// since line 0 always fills the table's first row.
std::vector<std::vector<std::string>> PoleSouboru(std::string_view obsah);
