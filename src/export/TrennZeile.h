// One line of separated fields for the delimited formats: separator, quoting policy and
// decimal separator are the format's; the line is kept and reused so that writing a year
// of bookings allocates little.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

enum class TAnfuehrung {
  // Text goes between quotes as it is: the format has cleaned it of quotes already.
  Immer,
  // Text goes between quotes, a quote inside written twice.
  ImmerVerdoppelt,
  // Quotes only around text holding the separator, a quote or a line break; a quote
  // inside written twice.
  BeiBedarf,
};

// A text for an unquoted field: every separator becomes ersatz and line breaks (CR, LF)
// are dropped, so that the field can neither split its line nor shift the fields after it.
std::string FeldBereinigt(std::string_view wert, char trenner, char ersatz);

class TTrennZeile {
 public:
  explicit TTrennZeile(char trenner = ';', TAnfuehrung anfuehrung = TAnfuehrung::Immer,
                       char dezimal = ',', char quote = '"')
      : trenner_(trenner), dezimal_(dezimal), quote_(quote), anfuehrung_(anfuehrung) {
    text_.reserve(2048);
  }

  void Neu() {
    text_.clear();
    felder_ = 0;
  }
  // A field written as it is.
  void Roh(std::string_view wert);
  // A field of numbers, each written as "%.<digits>d" writes it, one after the other.
  void Ziffern(std::initializer_list<std::pair<long long, int>> zahlen);
  // A text field under the quoting policy.
  void Text(std::string_view wert);
  // n fields with nothing between the separators.
  void Leer(int n = 1);
  // n fields holding two quotes.
  void LeerText(int n = 1);
  // An amount with this many decimals (rounded half away from zero) and the line's decimal
  // separator, without thousands separators.
  void Betrag(long double wert, int nachkomma = 2);

  const std::string& Zeile() const { return text_; }
  int Felder() const { return felder_; }

 private:
  void Trenner() {
    if (felder_++ > 0) text_ += trenner_;
  }
  void Verdoppelt(std::string_view wert);
  std::string text_;
  int felder_ = 0;
  char trenner_;
  char dezimal_;
  char quote_;
  TAnfuehrung anfuehrung_;
};
