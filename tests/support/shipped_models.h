// The model files shipped beside the program (Model/ of the tests' runtime directory), read once.
#pragma once

#include <vector>

#include "import/font_finder.h"
#include "io/font_reader.h"
#include "io/model_file.h"
#include "support/fake_host.h"

namespace pixmora::test {

inline const ModelBytes& ShippedModels() {
    struct Files {
        Files() {
            FakeHost host;
            files.reserve(kFormatCount);
            for (int n = 0; n < kFormatCount; ++n) {
                files.push_back(ReadModelFile(ModelFilePath(".", ModelFileName(n)), host));
                bytes[static_cast<std::size_t>(n)] = files.back().ModelBuffer;
            }
        }
        std::vector<ModelFileData> files;
        ModelBytes bytes;
    };
    static const Files models;
    return models.bytes;
}

}  // namespace pixmora::test
