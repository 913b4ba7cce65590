#include "io/model_places.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "editor/host.h"
#include "io/model_file.h"

namespace pixmora {

namespace {

bool IsAbsolute(std::string_view path) {
    return !path.empty() && path.front() == '/';
}

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string ToWriteDir(const ModelPlaces& places) {
    return places.userDir.empty() ? places.shippedDir : places.userDir;
}

void TellShippedUsed(Host& host, const std::string& userCopy,
                     const std::optional<std::string>& failure) {
    std::string text = kUserModelUnread + userCopy + "\n";
    if (failure) {
        text += *failure + "\n";
    }
    text += kShippedModelUsed;
    host.Message(text, kDefaultTitle, MsgIcon::None, MsgButtons::Ok);
}

}  // namespace

std::string UserDataDir(std::string_view xdgDataHome, std::string_view home) {
    if (IsAbsolute(xdgDataHome)) {
        return std::string(xdgDataHome) + "/pixmora";
    }
    if (IsAbsolute(home)) {
        return std::string(home) + "/.local/share/pixmora";
    }
    return {};
}

std::string UserDataDirFromEnvironment() {
    return UserDataDir(EnvironmentValue("XDG_DATA_HOME"), EnvironmentValue("HOME"));
}

ModelPlaces FindModelPlaces(Host& host) {
    ModelPlaces places{ModelDirPath(host.ProgramDir()), {}};
    // access() asks the system itself, so a read-only mount or an immutable directory counts as
    // unwritable even for root.
    if (access(places.shippedDir.c_str(), W_OK) != 0) {
        const std::string userData = host.UserDataDir();
        if (!userData.empty()) {
            places.userDir = userData + "/Model";
        }
    }
    return places;
}

ModelPlaces GivenModelDir(const std::string& dir) {
    return {dir, {}};
}

std::string ModelFileToRead(const ModelPlaces& places, int formatIndex) {
    const std::string name = ModelFileName(formatIndex);
    if (!places.userDir.empty()) {
        const std::string userCopy = places.userDir + "/" + name;
        std::error_code ignored;
        if (std::filesystem::exists(userCopy, ignored)) {
            return userCopy;
        }
    }
    return places.shippedDir + "/" + name;
}

bool IsUserCopy(const ModelPlaces& places, const std::string& path) {
    return !places.userDir.empty() && path.starts_with(places.userDir + "/");
}

std::string ModelFileToWrite(const ModelPlaces& places, int formatIndex) {
    return ToWriteDir(places) + "/" + ModelFileName(formatIndex);
}

std::string ModelBackupToWrite(const ModelPlaces& places, int formatIndex) {
    return ToWriteDir(places) + "/" + BackupFileName(ModelFileName(formatIndex));
}

std::optional<std::string> MakeModelDirToWrite(const ModelPlaces& places) {
    if (places.userDir.empty()) {
        return std::nullopt;
    }
    std::error_code error;
    std::filesystem::create_directories(places.userDir, error);
    if (error) {
        return "Не удалось создать каталог " + places.userDir + ": " + error.message();
    }
    return std::nullopt;
}

std::unique_ptr<ModelFileData> ReadModelForRecognition(const ModelPlaces& places, int formatIndex,
                                                       Host& host) {
    const std::string path = ModelFileToRead(places, formatIndex);
    auto model = std::make_unique<ModelFileData>(ReadModelFile(path, host));
    if (IsUserCopy(places, path) && (model->failure || model->ImportAborted)) {
        TellShippedUsed(host, path, model->failure);
        *model = ReadModelFile(places.shippedDir + "/" + ModelFileName(formatIndex), host);
    }
    return model;
}

}  // namespace pixmora
