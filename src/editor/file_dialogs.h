// Where the open and save dialogs start, and the extension a saved name gets.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pixmora {

struct Editor;
class Host;

// What the file dialogs remember during one run; nothing of it is kept between runs.
struct FileDialogMemory {
    std::string lastFileDir;  // directory of the last file chosen for an import or an export
};

// The facts the start directory is chosen from.
struct StartDirFacts {
    std::string lastFileDir;  // empty before any file was chosen, or when it is gone since
    std::string programDir;
    bool programDirWritable = false;
    std::string homeDir;
};

// The directory of the last file imported or exported while it still exists; else the program's
// own directory when the user may write there (a build tree, a portable copy); else the user's
// home directory, or the program's directory when there is no home either.
std::string ChooseStartDir(const StartDirFacts& facts);

// The start directory for the editor's next file dialog, from the state of the file system.
std::string FileDialogStartDir(const Editor& ed, Host& host);

// A file chosen in a dialog: its directory is where the next dialog starts.
void RememberFileDir(Editor& ed, const std::string& path);

// The extension that entry `entry` of a dialog filter ("description|pattern|...") gives a name
// typed without one: "*.fnt" gives "fnt", "*.hex;*.ihx" gives "hex"; a pattern such as "*.*" or
// "*" gives nothing.
std::string FilterExtension(std::string_view filter, std::size_t entry);

// The path with "." and the extension added when the file name holds no dot at all; a name with
// an extension, an empty extension or an existing directory leave the path as typed. Qt's file
// dialog adds its default suffix by the same rule.
std::string WithDefaultExtension(const std::string& path, std::string_view extension);

}  // namespace pixmora
