// Message templates with %1, %2 and so on.
#include "model/MessageFormat.h"

namespace glintwick {

std::string FormatMessage(const char* templ, const std::vector<std::string>& args) {
    std::string out;
    for (const char* p = templ; *p; ++p) {
        const size_t index = p[0] == '%' && p[1] >= '1' && p[1] <= '9' ? size_t(p[1] - '1') : 9;
        if (index < args.size()) {
            out += args[index];
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

std::string FormatMessage(const char* templ, const std::string& arg1, const std::string& arg2) {
    return FormatMessage(templ, std::vector<std::string>{arg1, arg2});
}

}  // namespace glintwick
