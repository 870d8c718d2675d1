// The platform half of the conversation log's writing: an append that never waits long, so
// that a log path that blocks (a FIFO nobody reads, a hung network share) never holds up the
// program after a transfer.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

// Appends `text` (the file emptied first when `znovu`), giving up once `limit` has passed.
// False when not all of it was written.
bool PripojBezCekani(const std::filesystem::path& soubor, const std::string& text, bool znovu,
                     std::chrono::milliseconds limit);
