// Message templates with %1 and %2.
#include "model/MessageFormat.h"

namespace glintwick {

std::string FormatMessage(const char* templ, const std::string& arg1, const std::string& arg2) {
    std::string out;
    for (const char* p = templ; *p; ++p) {
        if (p[0] == '%' && p[1] == '1') {
            out += arg1;
            ++p;
        } else if (p[0] == '%' && p[1] == '2') {
            out += arg2;
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

}  // namespace glintwick
