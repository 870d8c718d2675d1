// The locale's order of the code tree's texts: ranks from the collator's sort keys, made once
// per distinct text, so that a rebuild after every key release stays within one frame.
#pragma once

#include <string>
#include <vector>

// The ranks of the cp1250 texts in the order of the current default locale (QLocale());
// texts the collator holds equal share a rank.
std::vector<int> PoradiPodleLokality(const std::vector<std::string>& texty);
