// One export run: feeds the marked rows to the active exporter file by file and, after
// a real export that succeeded, marks the bookings and writes the journal together.
#pragma once

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "suite/Abrechnung.h"
#include "app/ExportDienste.h"
#include "app/ExportMeldung.h"
#include "app/ExportUebersicht.h"
#include "app/ExportZeilen.h"
#include "data/SelektTab.h"
#include "export/BuchungsAnreicherung.h"
#include "export/ExportFaehigkeiten.h"
#include "export/ExportRecords.h"

class TFibuExporter;

// The settlement an export is filed under, as the booking list holds it.
struct TExportAbrechnung : TAbrechnung {
  TDateTime Buchungsmonat = 0;  // as entered; only read when the format asks for it
  // The list shows this closed settlement: a real export writes its file again under its
  // own number and leaves bookings and journal as they are.
  bool Wiederholung = false;
  std::string MandantText{};  // short number and name, for the reports

  // The settlement the bookings must carry when the export marks them.
  TAbrechnungsStand Erwartet() const {
    return Wiederholung ? TAbrechnungsStand{AbrNr, AbrJahr} : TAbrechnungsStand{};
  }
};

struct TExportErgebnis {
  bool ok = false;
  int zeilen = 0;  // top-level rows walked, marked or not
  TExportUebersicht uebersicht;  // what was written
  std::string meldung;
  std::string dateiName;
  std::string dateiName2;
  std::vector<std::string> dateiListe;
  TSelektTab markiert;
  // Files filed with their settlement that could not be given their final names yet; the
  // next start does it.
  std::vector<std::string> nichtAbgelegt;
  bool vergeben = false;  // another run exported some of the bookings meanwhile
};

// The bookkeeping of a real export, begun before its file: the booking bracket, the
// settlement number taken under it and the marking of the marked rows' bookings, which runs
// while the file is written. Undone when it ends before a run completed it.
struct TExportBuchhaltung {
  int AbrNr = 0;
  int AbrJahr = 0;
  int MaxBelegNr = 0;  // the highest running number journalled for the previous settlement
  std::vector<TIntTrio> Idents;  // ascending
  std::exception_ptr Fehler;  // the beginning failed; the run reports it
  std::unique_ptr<IExportDienste::Klammer> Klammer;
  std::unique_ptr<IExportDienste::Klammer> Transaktion;
  // Last: it ends first, before an unfinished transaction is undone.
  std::unique_ptr<IExportDienste::Markierung> Markierung;
};

class TExportLauf {
 public:
  TExportLauf(IExportListe& liste, IExportDienste& dienste, const TExportMeldung& meldung,
              IBuchungsAnreicherung* anreicherung = nullptr)
      : liste_(liste), dienste_(dienste), meldung_(meldung), anreicherung_(anreicherung) {}

  // vrtDetailsExport. A test export (real = false) changes nothing but files. The
  // settlement may move to the next free number when its own was taken meanwhile.
  // begonnen: the bookkeeping begun for this list, which the run takes over when the
  // marked rows are still the same; otherwise it is undone and begun anew.
  TExportErgebnis Ausfuehren(TFibuExporter* exporter, bool real, TExportAbrechnung& abrechnung,
                             std::unique_ptr<TExportBuchhaltung> begonnen = nullptr);
  // Off: a summary of the caller's follows a successful interactive run instead of the
  // exporter's message box.
  void SetErfolgZeigen(bool zeigen) { erfolgZeigen_ = zeigen; }
  // Begins the bookkeeping of a real export of these bookings ahead of it (the unattended
  // run, as soon as its bookings are read). Never throws: a failure is kept for the run to
  // report.
  std::unique_ptr<TExportBuchhaltung> BuchhaltungBeginnen(TExportAbrechnung& abrechnung,
                                                          std::vector<TIntTrio> idents);
  // The files a real export of the marked rows would leave, as far as the format names
  // them beforehand, in the order of their passes; for the confirmation before it.
  std::vector<std::string> Zieldateien(TFibuExporter& exporter,
                                       const TExportAbrechnung& abrechnung) const;

 private:
  TExportErgebnis Lauf(TFibuExporter& exporter, bool real, TExportAbrechnung& abrechnung,
                       std::unique_ptr<TExportBuchhaltung> begonnen);
  // The settlement's own number, or the next free one when it was taken meanwhile.
  void FreieNummer(TExportAbrechnung& abrechnung);
  std::unique_ptr<TExportBuchhaltung> Beginnen(TExportAbrechnung& abrechnung,
                                               std::vector<TIntTrio> idents);
  // In ascending order, so that lists of the same bookings compare equal.
  std::vector<TIntTrio> MarkierteIdents() const;
  void Sortieren(const TFibuExporter& exporter);
  void DateiInfoFuellen(TFibuExportFileInfo& info, const TExportAbrechnung& abrechnung, int jahr,
                        int monat, int tag, bool monatlich, bool tageweise) const;
  // Fills the items every format gets and those the run's capability set asks for.
  void BuchInfoFuellen(TFibuExportBuchInfo& info, const IExportZeile& zeile,
                       TDateTime buchungsmonat);
  void IdentsSammeln(const IExportZeile& zeile, std::vector<TIntTrio>& idents) const;
  long double SteuerProzent(const IExportZeile& zeile, const std::string& schluessel);
  bool Steuerkonto(const IExportZeile& zeile, std::string& steuerName);
  // Marks the bookings, writes the journal and notes the held files, all in one
  // transaction; false (nothing done) when any of it failed.
  // The marking is checked, then the format delivers beyond this machine; false undoes all.
  bool Abliefern(TFibuExporter& exporter, const TExportAbrechnung& abrechnung,
                 TExportBuchhaltung& buchhaltung);
  bool Verbuchen(TFibuExporter& exporter, TExportAbrechnung& abrechnung,
                 TExportBuchhaltung& buchhaltung, const TFertigeDateien& dateien,
                 TExportErgebnis& ergebnis);
  void Abschlussmeldung(const TExportErgebnis& ergebnis, const TExportAbrechnung& abrechnung) const;
  TAbrechnungsEreignis Ereignis(const TExportErgebnis& ergebnis,
                                const TExportAbrechnung& abrechnung, const char* zustand) const;
  // The first failure registered during this run: names the file or folder and the reason.
  std::string Fehlergrund() const;

  IExportListe& liste_;
  IExportDienste& dienste_;
  const TExportMeldung& meldung_;
  IBuchungsAnreicherung* anreicherung_;
  TExportFaehigkeiten faehigkeiten_;  // of the exporter of the current run
  std::string verbuchenFehler_;
  bool vergeben_ = false;  // the marking failed because another run exported bookings
  bool gesperrt_ = false;  // another workstation held the booking lock
  std::size_t registriertVorher_ = 0;
  bool real_ = true;
  bool erfolgZeigen_ = true;
};

// The files of a run: its list, or its one or two names.
std::vector<std::string> ErgebnisDateien(const TExportErgebnis& ergebnis);
