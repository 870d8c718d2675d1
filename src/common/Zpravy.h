// How logic tells the user something. The logic never shows a window itself: the caller hands
// it an implementation of this interface (message boxes in the program, standard error in
// merivox-cli, a recorder in the tests), so that all of them drive the same code.
#pragma once

#include <string>

enum class TDruhZpravy {
    dzChyba,     // caption "Chyba", error icon
    dzInformace, // caption "Informace"
    dzVarovani,  // caption "Varování"
    dzVyjimka,   // the program's default error box: the program's title as caption, stop icon
};

class TZpravy {
public:
    virtual ~TZpravy() = default;
    // A modal message with one OK button. Text in cp1250.
    virtual void Zprava(TDruhZpravy druh, const std::string& text) = 0;
    // The only question of the program: Yes (true) or No. Caption and text in cp1250.
    virtual bool OtazkaAnoNe(const std::string& caption, const std::string& text) = 0;
};

// The caption that belongs to a kind of message (cp1250); `dzVyjimka` gives "Merivox 2.0".
std::string TitulekZpravy(TDruhZpravy druh);
