// Qt's own texts (standard buttons, file dialogs) in the editor's language.
#pragma once

namespace pixmora {

// Installs Qt's Russian translation for the rest of the run, whatever the system's language.
// False when the translation is not installed here; Qt's English texts stay then.
bool InstallRussianQtTexts();

}  // namespace pixmora
