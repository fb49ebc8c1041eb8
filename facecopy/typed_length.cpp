// Reading of the lengths typed into the Face Copy dialog, overflow kept as a signed infinity.
#include "typed_length.h"

#include "lenient_number.h"

#include <limits>

namespace spirolan {

double ReadTypedLength(std::string_view text) {
    if (auto value = ReadLenient(text)) {
        return *value;
    }
    // Only a decimal number overflows with a sign, and the lenient reading skips blanks, tabs
    // and line feeds before it.
    auto first = text.find_first_not_of(" \t\n");
    bool negative = first != std::string_view::npos && text[first] == '-';
    double infinity = std::numeric_limits<double>::infinity();
    return negative ? -infinity : infinity;
}

} // namespace spirolan
