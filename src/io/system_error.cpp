#include "io/system_error.h"

#include <locale.h>
#include <string.h>

namespace pixmora {

namespace {

// All categories, not only the messages: glibc converts a translation to the character set of
// the locale it is asked with, and caches the result for every later request.
locale_t RussianLocale() {
    static const locale_t russian = newlocale(LC_ALL_MASK, "ru_RU.UTF-8", locale_t{});
    return russian;
}

}  // namespace

std::string SystemErrorText(int error) {
    if (const locale_t russian = RussianLocale()) {
        return strerror_l(error, russian);
    }
    return strerror(error);
}

}  // namespace pixmora
