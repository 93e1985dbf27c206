// Automatic accounts: the target system computes the tax itself, so a revenue booking and
// its tax booking are paired and later exported as one gross line with the tax key.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/SaldixBearbDienste.h"
#include "app/SaldixBearbListe.h"

class TAutomatikPaarung {
 public:
  TAutomatikPaarung(IBearbKonten& konten, const TListenEinstellungen& einstellungen)
      : konten_(konten), einstellungen_(einstellungen) {}

  // Sorts the bookings by their key and pairs tax bookings with their revenue bookings.
  void Paaren(std::vector<TGeladeneBuchung>& buchungen);

 private:
  struct TEintrag {
    std::size_t Zeile;
    std::string GegenKonto, Konto;  // account keys
    long double Betrag;             // debit minus credit
    bool IstSteuer;                 // contra account is a standard or reduced tax account
  };

  // What pairing asks of an account. A year of bookings uses a few accounts, so each
  // answer is asked once per account.
  enum class TMerkmal {
    Ausgenommen,      // kinds 37, 38, 40, 41: the booking takes no part
    LaufOhnePaarung,  // kind 47: the run stays unpaired
    Steuerkonto,      // a standard or reduced tax account
    Anzahl
  };
  bool Hat(const std::string& konto, TMerkmal merkmal);
  bool Fragen(const std::string& konto, TMerkmal merkmal);

  void LaufBearbeiten(std::vector<TGeladeneBuchung>& buchungen, std::size_t von,
                      std::size_t bis);
  bool BetraegePassen(const TEintrag& steuer, const TEintrag& erloes);
  void Verbinden(TGeladeneBuchung& steuer, TGeladeneBuchung& erloes);

  IBearbKonten& konten_;
  const TListenEinstellungen& einstellungen_;
  std::unordered_map<std::string,
                     std::array<std::optional<bool>, static_cast<std::size_t>(TMerkmal::Anzahl)>>
      merkmale_;
};

// The group row of an automatic-account group: summed amounts, joined tax keys and keys.
TZeilenWerte AutomatikGruppenWerte(const std::vector<const TZeilenWerte*>& mitglieder);

// Texts of the members joined with " / ", a text already contained not repeated.
std::string OhneWiederholungVerbinden(const std::vector<std::string>& texte);
