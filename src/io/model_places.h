// Where the model files are read and written.
//
// The program ships t0.mod, t1.mod, ... (one per cell format) in Model/ beside its executable. A
// build tree or a portable copy may change them there. An installed program cannot (the directory
// belongs to root), so a user's corrections go to their own copies in $XDG_DATA_HOME/pixmora/Model
// (by default
// ~/.local/share/pixmora/Model), and recognition reads a user's copy of a file where there is one.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "io/font_reader.h"

namespace pixmora {

class Host;

// "$XDG_DATA_HOME/pixmora", or "$HOME/.local/share/pixmora" when XDG_DATA_HOME is unset, empty or
// relative (such a value is ignored, as the XDG base directory rules say); empty when HOME is not
// an absolute path either, so there is no user directory.
std::string UserDataDir(std::string_view xdgDataHome, std::string_view home);
// The same from this process's environment.
std::string UserDataDirFromEnvironment();

struct ModelPlaces {
    std::string shippedDir;  // Model beside the program, or the directory given instead
    // The user's copies, used only when the shipped files cannot be changed; empty otherwise or
    // when the user has no data directory.
    std::string userDir;
};

// The shipped files beside the program are the ones in use where their directory can be written;
// otherwise the user's copies in host.UserDataDir()/Model are.
ModelPlaces FindModelPlaces(Host& host);
// Every file from `dir` alone, as pixmora-cli --models asks.
ModelPlaces GivenModelDir(const std::string& dir);

// The user's copy of the format's file where there is one (even a broken one, which is told, not
// passed over), else the shipped file.
std::string ModelFileToRead(const ModelPlaces& places, int formatIndex);
// True for a path ModelFileToRead gave that is one of the user's copies.
bool IsUserCopy(const ModelPlaces& places, const std::string& path);
// The file a correction writes: the user's copy when there is a user directory, else the shipped
// file.
std::string ModelFileToWrite(const ModelPlaces& places, int formatIndex);
// The backup of that file, beside it.
std::string ModelBackupToWrite(const ModelPlaces& places, int formatIndex);
// Makes the user's directory before the first correction; what went wrong when it cannot be made.
std::optional<std::string> MakeModelDirToWrite(const ModelPlaces& places);

inline constexpr const char* kUserModelUnread = "Файл моделей пользователя не прочитан: ";
inline constexpr const char* kShippedModelUsed = "Использован файл моделей программы.";

// Reads the model file of a format for recognition. A user's copy that cannot be read or holds a
// syntax error is told with its path and the shipped file is read in its place, so recognition is
// never run on a half-read model.
std::unique_ptr<ModelFileData> ReadModelForRecognition(const ModelPlaces& places, int formatIndex,
                                                       Host& host);

}  // namespace pixmora
