// How a command talks to the user in the middle of its work: message boxes, file dialogs, the
// modal dialogs, the busy pointer. The window implements it with Qt; tests with a scripted fake.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/found_font_list.h"
#include "editor/from_font_choice.h"
#include "editor/params_choice.h"
#include "model/formats.h"

namespace pixmora {

struct Editor;

// Long work on a worker: it reports the share done (0..1) through the callback it is given, which
// answers false once the user has asked to stop.
using ProgressReport = std::function<bool(double)>;
using ProgressWork = std::function<void(const ProgressReport&)>;

enum class MsgIcon { None, Information, Exclamation };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// Title of the boxes that state no title of their own.
inline constexpr const char* kDefaultTitle = "Pixmora";

struct FileDialogRequest {
    std::string title;
    std::string filter;  // "description|pattern|description|pattern"
    std::string initialDir;
    std::string proposedName;
};

// One data array of a source file as the array choice lists it.
struct ArrayListing {
    std::string name;
    std::size_t elements = 0;
    std::size_t bytes = 0;
};

class Host {
  public:
    virtual ~Host() = default;

    // Texts use "\n" for a line break and "\r" where a bare carriage return is meant.
    virtual MsgAnswer Message(const std::string& text, const std::string& title, MsgIcon icon,
                              MsgButtons buttons) = 0;
    // A chosen existing file, or nothing when cancelled.
    virtual std::optional<std::string> OpenFile(const FileDialogRequest& request) = 0;
    // A chosen target (overwrite already confirmed), or nothing when cancelled.
    virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;

    // Modal dialogs; each returns what the user chose, or nothing when the dialog was closed
    // without a choice.
    virtual std::optional<ParamsChoice> RunParamsDialog(Editor& ed) = 0;  // font parameters
    virtual std::optional<int> RunScanDialog(Editor& ed) = 0;             // the new byte scan
    virtual std::optional<CellFormat> RunEnlargeDialog(Editor& ed) = 0;   // the target format
    // The font file to draw into the cells and how ("Из шрифта…").
    virtual std::optional<FromFontChoice> RunFromFontDialog(Editor& ed) = 0;
    // The array a font is read from, of a source file that holds several; `preselected` is offered
    // first. Nothing when cancelled.
    virtual std::optional<std::size_t> ChooseArray(const std::vector<ArrayListing>& arrays,
                                                   std::size_t preselected) = 0;
    // The candidate of a firmware search to open as the font; nothing when cancelled.
    virtual std::optional<std::size_t> ChooseFoundFont(const FoundFontList& list) = 0;
    // Runs the work with `text`, a progress bar and a cancel button shown, the window answering
    // meanwhile; false when the user cancelled. A host without a window runs it in place.
    virtual bool RunWithProgress(const std::string& text, const ProgressWork& work) {
        (void)text;
        work([](double) { return true; });
        return true;
    }
    // The model-file dialog is not modal: this only opens it.
    virtual void OpenModelDialog(Editor& ed) = 0;

    virtual void SetBusy(bool busy) = 0;
    // The directory of the executable, where Model/ and Pict/ lie.
    virtual std::string ProgramDir() = 0;
    // The user's own data directory of the program ($XDG_DATA_HOME/pixmora), empty when there is
    // none.
    virtual std::string UserDataDir() = 0;
};

// Shows the busy pointer for the life of a command, on every way out.
class BusyPointer {
  public:
    explicit BusyPointer(Host& host) : host_(host) { host_.SetBusy(true); }
    ~BusyPointer() { host_.SetBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    Host& host_;
};

}  // namespace pixmora
