# nlohmann/json for the Windows build: Debian's headers, seen through a folder of their own so
# that no other Linux header reaches the cross compiler.
find_path(NLOHMANN_JSON_HEADERS nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(JSON_INCLUDE_DIR ${CMAKE_BINARY_DIR}/json-include)
file(MAKE_DIRECTORY ${JSON_INCLUDE_DIR})
file(CREATE_LINK ${NLOHMANN_JSON_HEADERS}/nlohmann ${JSON_INCLUDE_DIR}/nlohmann SYMBOLIC)
add_library(nlohmann_json INTERFACE)
target_include_directories(nlohmann_json SYSTEM INTERFACE ${JSON_INCLUDE_DIR})
add_library(nlohmann_json::nlohmann_json ALIAS nlohmann_json)
