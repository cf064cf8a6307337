// Recognising the INSERT statements whose rows can travel as arrays.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vsk {

// For "INSERT INTO <table> [(<columns>)] VALUES ($1, ..., $n)" (the server's placeholders,
// each once and in order, nothing else in the list; an optional ";" at the end): the
// text before VALUES, "INSERT INTO <table> [(<columns>)]", with its spelling kept. Empty
// for any other statement. Throws std::bad_alloc.
std::string insert_values_target(std::string_view sql, std::size_t nParams);

}  // namespace vsk
