// Crafted project files and what loading each must give, shared by the core and window tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace glintwick::test {

struct HostileFile {
    std::string name;
    std::string bytes;
    bool loads;       // false: refused with "Unexpected file format."
    int effectCount;  // when it loads
};

inline std::string Int32(int32_t value) {
    std::string out;
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
    return out;
}

inline std::string Text(const std::string& text) {
    if (text.size() < 255) return std::string(1, static_cast<char>(text.size())) + text;
    if (text.size() < 65534)
        return std::string("\xFF") + static_cast<char>(text.size() & 0xFF) +
               static_cast<char>(text.size() >> 8) + text;
    return std::string("\xFF\xFF\xFF") + Int32(static_cast<int32_t>(text.size())) + text;
}

inline std::string Project(int repeat, const std::vector<std::string>& records, int32_t count) {
    std::string bytes = Text("") + Int32(1) + Int32(repeat) + Int32(count);
    for (const auto& r : records) bytes += r;
    return bytes;
}

inline std::string Record(const std::string& text, int effect, int speed, int loops) {
    return Text(text) + Int32(effect) + Int32(speed) + Int32(loops);
}

inline std::vector<HostileFile> HostileFiles() {
    const std::string ok = Record("abc", 0, 10, 1);
    return {
        {"length-past-end",
         Text("") + Int32(1) + Int32(0) + Int32(1) +
             "\x09"
             "abc",
         false, 0},
        {"length-ffffffff", std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF") + Int32(0) + Int32(0),
         false, 0},
        {"2^31-1-records", Project(0, {}, INT32_MAX) + std::string(4, '\0'), false, 0},
        {"effect-12", Project(0, {Record("x", 12, 10, 1)}, 1), false, 0},
        {"effect-minus-1", Project(0, {Record("x", -1, 10, 1)}, 1), false, 0},
        {"speed-0", Project(1, {Record("slow", 0, 0, 1)}, 1), true, 1},
        {"speed-21", Project(1, {Record("fast", 9, 21, 1)}, 1), true, 1},
        {"speed-2^31-1", Project(1, {Record("fastest", 6, INT32_MAX, 1)}, 1), true, 1},
        {"loops-0", Project(1, {Record("none", 4, 20, 0), ok}, 2), true, 2},
        {"loops-minus-5", Project(0, {Record("ever", 11, 20, -5)}, 1), true, 1},
        {"repeat-minus-1", Project(-1, {ok}, 1), true, 1},
        {"repeat-5000", Project(5000, {ok}, 1), true, 1},
        {"text-500", Project(1, {Record(std::string(500, 'a'), 9, 20, 1)}, 1), true, 1},
        {"text-501", Project(1, {Record(std::string(501, 'b'), 7, 20, 1)}, 1), true, 1},
        {"text-65534", Project(1, {Record(std::string(65534, 'c'), 10, 20, 1)}, 1), true, 1},
        {"utf16-lone-surrogate",
         std::string("\xFF\xFE\xFF\x01\x00\xD8", 6) + Int32(1) + Int32(0) + Int32(0), false, 0},
        {"utf16-outside-code-page",
         std::string("\xFF\xFE\xFF\x01\x2D\x4E", 6) + Int32(1) + Int32(0) + Int32(0), false, 0},
        {"trailing-garbage", Project(1, {ok}, 1) + "garbage after the last record", true, 1},
    };
}

}  // namespace glintwick::test
