// "Создать": a new, empty font with the parameters chosen in the parameters dialog.
#pragma once

namespace pixmora {

struct Editor;
class Host;

void NewFont(Editor& ed, Host& host);

}  // namespace pixmora
