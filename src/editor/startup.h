// The state of the editor when the program opens: no font, the table locked, only "Создать" and
// "Импортировать" offered.
#pragma once

namespace pixmora {

struct Editor;

void StartUp(Editor& ed);

}  // namespace pixmora
