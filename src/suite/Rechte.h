// The suite's rights check: whether the current user may run a protected action.
#pragma once

#include <string>
#include <utility>

// Rights of this program's protected actions.
inline constexpr int CRecht_Saldix_Programm = 7100;  // may run the program at all
inline constexpr int CRecht_Saldix_Umkehrbuchung = 7101;
inline constexpr int CRecht_Saldix_Loeschen = 7102;

class IUserRechte {
 public:
  virtual ~IUserRechte() = default;
  // True when the current user holds the right; otherwise tells the user (when dialog is
  // set) and returns false.
  virtual bool UserRechtePruefen(int recht, bool dialog) = 0;
};

// Over the suite database's rights table. The current user is $SALDIX_BENUTZER, else $USER.
class TUserRechte final : public IUserRechte {
 public:
  TUserRechte();
  explicit TUserRechte(std::string benutzer) : benutzer_(std::move(benutzer)) {}

  bool UserRechtePruefen(int recht, bool dialog) override;
  const std::string& Benutzer() const { return benutzer_; }

  // Grants or withholds a right (admin tool, tests).
  static void RechtSetzen(const std::string& benutzer, int recht, bool erlaubt);

 private:
  std::string benutzer_;
};

// The process's rights check.
IUserRechte& UserRechte();
