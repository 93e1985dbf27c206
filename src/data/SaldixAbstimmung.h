// Logic of "Abstimmung Kassenberichte": per computer and day, do the cash movements booked
// from the cash reports lead from the report's opening to its closing cash balance? Three
// grouped lists: the cash-account bookings with the balances, the cash-report bookings
// that do not touch the cash account, and the manual bookings of the period. Only reads.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "suite/Types.h"

// A booking as the reconciliation reads it.
struct TAbstimmungsBuchung {
  std::int32_t Filiale = 0, Rechner = 0;
  TDateTime Belegdatum = 0;
  long double Soll = 0, Haben = 0;
  std::string KtoName, KtoZusatz, GegenKtoName, GegenKtoZusatz;
  std::int32_t AbrJahr = 0, AbrNr = 0;
  std::string Beschreibung;
};

struct TAbstimmungsAuswahl {
  TIntPair Firma;
  TDateTime Von = 0, Bis = 0;
  std::int32_t Rechner = 0, Filiale = 0;  // 0: all
  bool Primanota = false;                 // manual bookings instead of cash-report ones
};

class IAbstimmungDaten {
 public:
  virtual ~IAbstimmungDaten() = default;
  virtual TIntPair AktMandant() = 0;
  virtual std::string AktTextMandant() = 0;
  virtual std::vector<std::int32_t> Rechnerliste() = 0;
  virtual std::vector<std::int32_t> Filialliste(const TIntPair& firma) = 0;
  // The bookings of the selection in document-date order: document type "KB", or the
  // business event of manual bookings.
  virtual void Buchungen(const TAbstimmungsAuswahl& auswahl,
                         const std::function<void(const TAbstimmungsBuchung&)>& proBuchung) = 0;
  virtual std::string GetMandKonto_Bezeichnung(const std::string& name,
                                               const std::string& zusatz) = 0;
  // The account server's cash-account code (134) for an account short name.
  virtual bool IstKassenkonto(const TIntPair& firma, const std::string& name) = 0;
  virtual TIntPair KVZuDatumUndRechner(std::int32_t rechner, TDateTime datum, bool istVonDatum) = 0;
  virtual long double KVZMBetrag(const TIntPair& ident) = 0;
  virtual std::string Programmwaehrung() = 0;
};

// The columns of the three lists, in this order.
enum class TAbstSpalte {
  Filiale, Rechner, Belegdatum, AnfangsbestandKV, Zugang, Abgang, Waehrung, EndbestandErm,
  EndbestandKV, Differenz, Gegenkonto, Konto, AbrJahr, AbrNr, Beschreibung
};
inline constexpr int CAbstSpalten = 15;

struct TAbstimmungsZeile {
  std::int32_t Filiale = 0, Rechner = 0;
  TDateTime Belegdatum = 0;
  long double Anfangsbestand = 0, Zugang = 0, Abgang = 0, EndbestandErm = 0, EndbestandKV = 0,
              Differenz = 0;
  bool MitBestand = false;  // a day row of the cash list: its balances are filled
  bool MitDifferenz = false;
  std::string Waehrung, Gegenkonto, Konto;
  std::int32_t AbrJahr = 0, AbrNr = 0;
  std::string Beschreibung;
  // 1 branch, 2 branch and computer, 3 day, 4 booking.
  int Ebene = 4;
  std::vector<TAbstimmungsZeile> Kinder;

  // The cell as the list shows it ("%9.2n" amounts, dd.mm.yyyy dates).
  std::string Anzeige(TAbstSpalte spalte) const;
};

struct TAbstimmungsListe {
  std::string Titel;
  std::vector<const char*> Spaltentitel;
  std::vector<bool> SpalteSichtbar;
  std::vector<TAbstimmungsZeile> Zeilen;  // branch rows at the top
};

class TSaldixAbstimmung {
 public:
  static constexpr const char* Caption = "Abstimmung Kassenberichte";
  static constexpr int CSeiteKasse = 0, CSeiteOhneKasse = 1, CSeiteManuell = 2;
  static constexpr int CKleinsteSchrift = 6, CGroessteSchrift = 24;

  explicit TSaldixAbstimmung(IAbstimmungDaten& daten);

  // Fills the choices and restores the last branch and computer ("Alle" when no longer
  // offered).
  void FormActivate();

  // The selection as the view shows and edits it.
  std::string lblMandant;
  std::string edtDatumVon, edtDatumBis;
  std::vector<std::string> cmbRechnerEintraege, cmbFilialeEintraege;
  int cmbRechner = 0, cmbFiliale = 0;
  int Schriftgroesse = 9;
  void SchriftKleiner();
  void SchriftGroesser();

  // "Aktualisieren": rebuilds the three lists; false when the selection was refused.
  bool acAktualisierenExecute();

  const TAbstimmungsListe& Kasse() const { return listen_[0]; }
  const TAbstimmungsListe& OhneKasse() const { return listen_[1]; }
  const TAbstimmungsListe& Manuell() const { return listen_[2]; }
  int Seite() const { return seite_; }
  const std::string& FocusedInput() const { return fokus_; }

 private:
  void ListenAnlegen();
  std::int32_t GewaehlterRechner() const;
  std::int32_t GewaehlteFiliale() const;
  TAbstimmungsZeile Zeile(const TAbstimmungsBuchung& buchung);
  void Bestaende(TAbstimmungsZeile& tag);

  IAbstimmungDaten& daten_;
  std::vector<std::int32_t> rechner_, filialen_;
  std::int32_t letzterRechner_ = 0, letzteFiliale_ = 0;
  TAbstimmungsListe listen_[3];
  int seite_ = CSeiteKasse;
  std::string fokus_;
};

// Groups rows into branch, branch-and-computer and day rows; mitBestand fills the balances
// of each day row through bestand.
std::vector<TAbstimmungsZeile> AbstimmungGruppieren(
    std::vector<TAbstimmungsZeile> zeilen,
    const std::function<void(TAbstimmungsZeile&)>& bestand);
