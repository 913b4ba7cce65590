// The line "// expect: KEY=VALUE ..." of a real fixture font, which names what the file must read
// as (W, H, scan, polarity and more). Fields without "=" are skipped; no line gives no fields.
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace pixmora::test {

inline std::map<std::string, std::string> FixtureExpectation(const std::filesystem::path& fnt) {
    std::ifstream file(fnt);
    std::string line;
    std::map<std::string, std::string> fields;
    const std::string mark = "// expect:";
    while (std::getline(file, line)) {
        const auto at = line.find(mark);
        if (at == std::string::npos) {
            continue;
        }
        std::istringstream words(line.substr(at + mark.size()));
        std::string word;
        while (words >> word) {
            const auto equals = word.find('=');
            if (equals != std::string::npos) {
                fields[word.substr(0, equals)] = word.substr(equals + 1);
            }
        }
    }
    return fields;
}

}  // namespace pixmora::test
