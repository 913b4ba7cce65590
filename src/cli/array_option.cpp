#include "cli/array_option.h"

#include "cli/cli_host.h"
#include "cli/exit_codes.h"

namespace pixmora::cli {

namespace {

std::string Names(const std::vector<ArrayListing>& arrays) {
    std::string names;
    for (const ArrayListing& array : arrays) {
        names.append(names.empty() ? "" : ", ").append(array.name);
    }
    return names;
}

}  // namespace

int CheckArrayOption(const std::optional<std::string>& name, const FontRecognition& recognition,
                     CliHost& host) {
    if (!name) {
        return kExitOk;
    }
    if (recognition.arrayCancelled) {
        host.Tell(kNoSuchArray + *name + "\n" + kArraysHeld + Names(host.offeredArrays));
        return kExitRefused;
    }
    if (!recognition.table) {
        host.Tell(kNotSourceCode);
        return kExitRefused;
    }
    const SourceTable& table = *recognition.table;
    if (table.arrays[table.chosen].name != *name) {
        host.Tell(kNoSuchArray + *name + "\n" + kArraysHeld + Names(table.arrays));
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace pixmora::cli
