// libFuzzer entry of one target; the build names the body in PIXMORA_FUZZ_BODY.
#include <cstddef>
#include <cstdint>

#include "fuzz_inputs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const pixmora::fuzz::FuzzBody body = pixmora::fuzz::FuzzBodyByName(PIXMORA_FUZZ_BODY);
    body({data, size});
    return 0;
}
