#include "window/process_locale.h"

#include <clocale>

namespace numira {

void useProcessLocale() {
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace numira
