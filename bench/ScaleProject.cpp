// The scale figures' project: writes N effects of 30 to 60 characters, or times the core's load.
//   scale_project write PATH N     scale_project load PATH
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "model/ProjectFile.h"
#include "model/TallowmereDoc.h"

namespace {

std::string TextOfLength(int i) {
    std::string text = "Effect " + std::to_string(i) + " with a message";
    text.resize(static_cast<size_t>(30 + i % 31), '.');
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace glintwick;
    if (argc == 4 && std::strcmp(argv[1], "write") == 0) {
        CTallowmereDoc doc;
        doc.InitNewProject();
        for (int i = 0, n = std::atoi(argv[3]); i < n; ++i)
            doc.AppendLoaded(TextOfLength(i), i % 12, 1 + i % 20, 1 + i % 10);
        SaveProject(doc, argv[2]);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "load") == 0) {
        CTallowmereDoc doc;
        const auto start = std::chrono::steady_clock::now();
        LoadProject(doc, argv[2]);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        std::printf("%.0f\n", took.count());
        return 0;
    }
    std::fprintf(stderr, "usage: scale_project write PATH N | load PATH\n");
    return 2;
}
