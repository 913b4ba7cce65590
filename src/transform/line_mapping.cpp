#include "transform/line_mapping.h"

#include <initializer_list>

namespace pixmora {

LineMapping MapLines(int oldSize, int newSize) {
    int groups = 1;
    for (const int candidate : {32, 16, 8, 4, 2}) {
        if (oldSize % candidate == 0 && newSize % candidate == 0) {
            groups = candidate;
            break;
        }
    }
    const int kept = oldSize / groups;
    return {groups, kept, newSize / groups - kept};
}

}  // namespace pixmora
