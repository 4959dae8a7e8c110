#pragma once

#include <string>

namespace data {

// An SQL expression for a name Odoo keeps per language, a jsonb object such as
// {"en_US": "Units", "de_DE": "Stück"} in `column`: the name in the language bound to
// the expression's one "?" mark ("de_DE"), else the en_US name, else the object's first
// entry; a plain JSON string as it stands. Never a piece of the JSON text.
std::string translatedName(const std::string &column);

} // namespace data
