// One export run: feeds the marked rows to the active exporter file by file and, after
// a real export that succeeded, marks the bookings and writes the journal together.
#pragma once

#include <string>
#include <vector>

#include "app/ExportDienste.h"
#include "app/ExportMeldung.h"
#include "app/ExportZeilen.h"
#include "data/SelektTab.h"
#include "export/ExportRecords.h"

class TFibuExporter;

// The DATEV field assignment: fills the additional items of each booking.
class IDatevFeldzuordnung {
 public:
  virtual ~IDatevFeldzuordnung() = default;
  virtual void Init(int maxLfdNr) = 0;
  virtual void Fuellen(const TFibuExportBuchInfo& buchung, const TIntTrio& beleg,
                       const std::string& vorfall, TFibuExportBuchInfoZusatz& zusatz) = 0;
  // The running number reached.
  virtual int LfdNr() const = 0;
};

// The settlement an export is filed under, as the booking list holds it.
struct TExportAbrechnung {
  TIntPair Firma;
  int AbrNr = 0;
  int AbrJahr = 0;
  TDateTime DatumVon = 0;
  TDateTime DatumBis = 0;
  TDateTime Buchungsmonat = 0;  // as entered; only read when the format asks for it
};

struct TExportErgebnis {
  bool ok = false;
  int zeilen = 0;  // top-level rows walked, marked or not
  std::string meldung;
  std::string dateiName;
  std::string dateiName2;
  std::vector<std::string> dateiListe;
  TSelektTab markiert;
};

class TExportLauf {
 public:
  TExportLauf(IExportListe& liste, IExportDienste& dienste, const TExportMeldung& meldung,
              IDatevFeldzuordnung* datev = nullptr)
      : liste_(liste), dienste_(dienste), meldung_(meldung), datev_(datev) {}

  // vrtDetailsExport. A test export (real = false) changes nothing but files. The
  // settlement may move to the next free number when its own was taken meanwhile.
  TExportErgebnis Ausfuehren(TFibuExporter* exporter, bool real, TExportAbrechnung& abrechnung);

  // Identifier of a row's column "Protokollnummer" (4 + 9 + 4 digits).
  static TIntTrio IdentAusProtokollnummer(const std::string& text);

 private:
  TExportErgebnis Lauf(TFibuExporter& exporter, bool real, TExportAbrechnung& abrechnung);
  void Sortieren(const TFibuExporter& exporter);
  void DateiInfoFuellen(TFibuExportFileInfo& info, const TExportAbrechnung& abrechnung, int monat,
                        int tag, bool monatlich, bool tageweise) const;
  void BuchInfoFuellen(TFibuExportBuchInfo& info, const IExportZeile& zeile,
                       const TFibuExporter& exporter, TDateTime buchungsmonat);
  void IdentsSammeln(const IExportZeile& zeile, std::vector<TIntTrio>& idents) const;
  bool Verbuchen(TFibuExporter& exporter, TExportAbrechnung& abrechnung,
                 const std::vector<TIntTrio>& idents, IExportDienste::Markierung& markierung,
                 IExportDienste::Klammer& transaktion, TExportErgebnis& ergebnis);
  void Abschlussmeldung(const TExportErgebnis& ergebnis) const;

  IExportListe& liste_;
  IExportDienste& dienste_;
  const TExportMeldung& meldung_;
  IDatevFeldzuordnung* datev_;
  std::string verbuchenFehler_;
};
