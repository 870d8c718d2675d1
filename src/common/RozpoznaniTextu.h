// Whether the bytes of a user's file are text, and in which of the two encodings such files
// come: the program's code page (cp1250) or UTF-8, which editors of today save by default.
// A file is UTF-8 when it starts with the byte-order mark, or when it is valid UTF-8 with at
// least one character of more than one byte: a cp1250 file with Czech letters practically
// never is (a lower-case "á" alone breaks UTF-8), and pure ASCII reads the same either way.
// Not text: NUL and every other control character but the tab and the line ends; the one
// exception is a last line holding only EOT, with which every download from a station ends.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// An input that can be read only whole (a pipe, a device) is refused beyond this size, so that
// an endless source (/dev/zero) cannot exhaust the memory.
constexpr std::size_t kNejdelsiVstup = std::size_t(256) << 20;

enum class TKodovaniTextu { ktCp1250, ktUtf8 };

struct TVadaTextu {
    enum class TDruh {
        dvRidiciZnak,     // Znak is the byte
        dvNeplatneUtf8,   // a file with the byte-order mark that is not UTF-8 after it
        dvZnakMimoCp1250, // Znak is the code point
    };
    TDruh Druh = TDruh::dvRidiciZnak;
    std::size_t Radek = 0; // from 1
    char32_t Znak = 0;
};

// What to do with a last line holding only EOT.
enum class TKonecStahovani {
    ksPonechat,  // allowed and kept (the converter passes over it)
    ksVynechat,  // allowed and dropped (a table would show it as a row)
    ksOdmitnout, // a control character like any other (it would end a send)
};

// Sees a text line by line (without line ends, in order), so that a reader that streams a
// file can recognise it in the same pass.
class TRozpoznaniTextu {
public:
    void Radek(std::string_view radek);

    // After the last line: the first fault that makes the text unusable, if any.
    std::optional<TVadaTextu> Vada(TKonecStahovani eot = TKonecStahovani::ksPonechat) const;
    TKodovaniTextu Kodovani() const;

private:
    std::size_t cislo_ = 0;
    std::optional<TVadaTextu> ridici_; // the first control character
    std::size_t radekEot_ = 0;         // a line of only EOT not yet followed by text
    std::size_t neplatneUtf8_ = 0;     // the first line that is not UTF-8
    std::optional<TVadaTextu> mimoCp_; // the first character cp1250 lacks (as UTF-8)
    bool bom_ = false;
    bool viceBajtu_ = false;
};

// Whether every byte is printable ASCII, a tab, CR or LF: such a text is sound and reads the
// same in either encoding, so the line-by-line check has nothing to find in it. Fast enough to
// run over a whole file before it is read for its content.
bool JenProstyText(std::string_view text);

// The whole text of a file as the program's cp1250: a UTF-8 text is converted in place (its
// byte-order mark dropped), a cp1250 text is left as it is. The fault when it is no usable text.
std::optional<TVadaTextu> PrevedNaCp1250(std::string& text,
                                         TKonecStahovani eot = TKonecStahovani::ksPonechat);

// The user's message about a fault, naming the file and the line (cp1250).
std::string TextVadyTextu(const std::filesystem::path& soubor, const TVadaTextu& vada);
// An input longer than kNejdelsiVstup (cp1250).
std::string TextPrilisDlouhyVstup(const std::filesystem::path& soubor);
