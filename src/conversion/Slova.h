// How every line of a measured-data file is cut up: into words at blanks (a run of blanks
// counts as one, so a line that starts with a blank has an empty first word and a blank at
// the end adds nothing) and a word into fields at commas (empty fields kept, a comma at the
// end adds none). Only the space is a blank; a tab is an ordinary character.
//
// The pieces are views into the line, so cutting allocates nothing once the vectors have
// grown.
#pragma once

#include <string_view>
#include <vector>

using TKusy = std::vector<std::string_view>;

void RozdelSlova(std::string_view radek, TKusy& slova);
void RozdelPole(std::string_view slovo, TKusy& pole);
