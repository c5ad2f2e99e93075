#include "app/Fields.h"

namespace fincalc {

const std::string& Fields::text(std::string_view field) const {
    static const std::string empty;
    const auto it = texts_.find(field);
    return it == texts_.end() ? empty : it->second;
}

} // namespace fincalc
