// Control characters as the Unicode symbols that picture them.
#include "model/ControlPictures.h"

namespace glintwick {

std::string WithControlPictures(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // U+2400 to U+241F and U+2421 are E2 90 80 to E2 90 9F and E2 90 A1 in UTF-8; C0 bytes
        // and DEL are never part of a longer UTF-8 sequence, so each stands for itself.
        if (byte < 0x20 || byte == 0x7F) {
            out += "\xE2\x90";
            out += static_cast<char>(byte == 0x7F ? 0xA1 : 0x80 + byte);
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace glintwick
