// The suite's currency calculator: converts amounts between currencies by the rate
// table (the value of one unit in the program currency).
#pragma once

#include <map>
#include <stdexcept>
#include <string>

class EUnbekannteWaehrung : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TWHRechner {
 public:
  // Converts betrag from currency von into currency nach; an empty code is the program
  // currency. Throws EUnbekannteWaehrung for a currency without a usable rate, so that
  // no amount is silently taken at a wrong value.
  long double Umrechnen(long double betrag, const std::string& von, const std::string& nach);

 private:
  long double Kurs(const std::string& waehrung);

  std::map<std::string, long double> kurse_;
};
