// What the main() of every test program does before any test runs: the settings file and the
// folder of the system's device names move into a fresh empty folder of the process's own.
// So no port number a test forgets to map can reach a real serial port, and tests that ctest
// runs side by side never share a settings file. The folder goes when the process ends.
#pragma once

#include <filesystem>

const std::filesystem::path& OddelTestyOdZarizeni();

// The settings file main() chose: a fixture that sets its own goes back to this one.
std::filesystem::path NastaveniTestu();
