// How long a line a send can carry. The driver hands each line with its CR LF to the port in
// one write, and the port takes a write only when its output buffer holds it whole; a longer
// line would be refused half way through a send and look like a lost connection. Senders
// check the whole text before the port is opened.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

class TComDriver;

// The longest line (without its CR LF) the driver's port takes in one write.
std::size_t NejdelsiRadekZapisu(TComDriver& driver);

struct TDlouhyRadek {
    std::size_t Cislo = 0; // from 1, as the send splits the text into lines
    std::size_t Delka = 0;
};
// The first line of `text` longer than `nejvic`.
std::optional<TDlouhyRadek> NajdiDlouhyRadek(const std::string& text, std::size_t nejvic);

// "`kde` má N znaků; ... nejvýše M ... Nic nebylo odesláno." (cp1250; `kde` names the row,
// e.g. "Řádek 3 tabulky").
std::string TextDlouhyRadek(const std::string& kde, std::size_t delka, std::size_t nejvic);
