// Time limits of the tests are set for the optimised build; under the sanitizers every
// memory access is checked and the same work takes several times as long.
#pragma once

#ifdef SALDIX_SANITIZE_BUILD
inline constexpr int kZeitFaktor = 5;
#else
inline constexpr int kZeitFaktor = 1;
#endif
