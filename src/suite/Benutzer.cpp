#include "suite/Benutzer.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

std::string AngemeldeterBenutzer() {
  if (const char* suite = std::getenv("SALDIX_BENUTZER"); suite && *suite) return suite;
  // The account itself, not a variable a cron job or service may leave unset.
  if (const passwd* konto = ::getpwuid(::geteuid()); konto && konto->pw_name && *konto->pw_name) {
    return konto->pw_name;
  }
  for (const char* variable : {"USER", "LOGNAME", "USERNAME"}) {
    if (const char* wert = std::getenv(variable); wert && *wert) return wert;
  }
  return {};
}
