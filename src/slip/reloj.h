#pragma once

#include <optional>

// The millisecond part (0 to 999) of the local time, which decides how many
// random numbers the main window discards at start. Tests pin it.
namespace reloj {

int milisegundos();
void fija_milisegundos(std::optional<int> valor);

}  // namespace reloj
