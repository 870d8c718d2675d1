#include "common/Cesty.h"

#include "common/Cp1250.h"

std::string TextCesty(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return Utf8NaCp1250(std::string(utf8.begin(), utf8.end()));
}

std::filesystem::path CestaZTextu(const std::string& cp1250) {
    const std::string utf8 = Cp1250NaUtf8(cp1250);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
