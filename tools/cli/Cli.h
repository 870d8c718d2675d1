// merivox-cli: the conversion and its helpers, and the station link (download, send), for
// scripts and for surveyors who convert many files. Each subcommand lives in its own file and is
// listed once in Cli.cpp.
#pragma once

#include "Terminal.h"
#include "Volby.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

using TArgumenty = std::vector<std::string>;

// Exit statuses.
constexpr int kUspech = 0;
// A file missing, not to be overwritten, unreadable or unwritable; a port or link error.
constexpr int kSelhani = 1;
constexpr int kSpatnePouziti = 2;
// convert, coords: data of an instrument type that is not converted (NTS-350); nothing is
// written.
constexpr int kNicNeprevedeno = 3;
// download: the data came without their end mark (cut off); what came is saved all the same.
constexpr int kNeuplnaData = 3;
// Ctrl+C ended a transfer (128 + SIGINT, as shells report it; other signals 128 + theirs).
constexpr int kPreruseno = 130;

// The whole program: `argumenty` without the program name.
int SpustCli(const TArgumenty& argumenty, const TTerminal& terminal);

// Subcommands: their arguments after the subcommand's name.
int CliKonverze(const TArgumenty& argumenty, const TTerminal& terminal);
int CliFaktor(const TArgumenty& argumenty, const TTerminal& terminal);
int CliSouradnice(const TArgumenty& argumenty, const TTerminal& terminal);
int CliDownload(const TArgumenty& argumenty, const TTerminal& terminal);
int CliSend(const TArgumenty& argumenty, const TTerminal& terminal);
int CliPorty(const TArgumenty& argumenty, const TTerminal& terminal);
int CliExport(const TArgumenty& argumenty, const TTerminal& terminal);

// Shared by the subcommands.
// A bad-usage message and the hint at --help; returns kSpatnePouziti.
int SpatnePouziti(const TTerminal& terminal, const std::string& prikaz, const std::string& cp1250);
// Reads a subcommand's arguments by its options. Nothing when the subcommand goes on; else its
// exit status: kUspech once --help has printed `napoveda` (cp1250), kSpatnePouziti after the
// usage message.
std::optional<int> CtiVolby(const TArgumenty& argumenty, const TPravidlaVoleb& pravidla,
                            const TTerminal& terminal, const std::string& prikaz,
                            const std::string& napoveda);
// A warning on standard error when the settings file in use cannot serve as it is (a folder,
// unreadable, no settings in it): its values are the defaults, and nothing is saved into it.
void VarujONastaveni(const TTerminal& terminal, const std::string& prikaz);
// The usage message of a bad value (cp1250), led by the option it was given to.
std::string ChybnaHodnota(const std::string& volba, const std::string& cp1250);
// Whether two names lead to one file, also when `b` does not exist yet but its name leads to
// `a` (an output named after an input): what an output must never be before it is written.
bool StejnySoubor(const std::filesystem::path& a, const std::filesystem::path& b);
