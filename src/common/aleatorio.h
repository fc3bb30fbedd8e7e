#pragma once

#include <cstdint>

// The one random generator of the program. Its seed is 0 at start and is never
// taken from the clock: the main window only discards a number of draws that
// depends on the millisecond it was created at, so a run's sequence is one of
// a thousand and can be replayed in tests.
namespace aleatorio {

// seed <- seed * 134775813 + 1 (mod 2^32); the result is the upper half of
// seed * rango, a whole number from 0 to rango - 1.
std::uint32_t sorteo(std::uint32_t rango);

std::uint32_t semilla();
void fija_semilla(std::uint32_t valor);

// Draws and discards `milisegundos` numbers of range 8.
void calienta(int milisegundos);

}  // namespace aleatorio
