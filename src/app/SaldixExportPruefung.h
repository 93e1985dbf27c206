// The checks before an export: every marked row must have account numbers, carry no
// advice records, and be plausible in its taxes; the format adds its import rules. All
// problems are collected, not only the first, and shown as one list.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "app/ExportDienste.h"
#include "app/ExportMeldung.h"
#include "app/ExportZeilen.h"
#include "export/ExportRegeln.h"

class TFibuExporter;

// Bookings of the client still open (not exported, offered for export) from the start of
// the settlement year up to the day before vor: an accounting system may lock a month
// once a later one is imported, so they could not follow.
long long OffeneBuchungenVor(const TIntPair& firma, int abrJahr, TDateTime vor);

// Shows the problem list to the person (the desktop's window). Selecting a line there
// selects its row in the booking list.
class IProblemAnzeige {
 public:
  virtual ~IProblemAnzeige() = default;
  // True when the person goes on with the export; never offered while a problem blocks.
  virtual bool Zeigen(const TExportProblemListe& probleme, IExportListe& liste) = 0;
};

class TExportPruefung {
 public:
  TExportPruefung(IExportListe& liste, IExportDienste& dienste, const TExportMeldung& meldung,
                  IProblemAnzeige* anzeige = nullptr)
      : liste_(liste), dienste_(dienste), meldung_(meldung), anzeige_(anzeige) {}

  // TestenOk: true only when no problem blocks (and, interactively, the person accepts the
  // warnings). exporter may be null (no format). buchungsmonat: the entered booking month
  // (checked when the format asks for one). umfang: the export's client and period for
  // the format's rules; without it only the rules of single rows apply.
  bool TestenOk(const TFibuExporter* exporter, const std::string& exporterName,
                TDateTime buchungsmonat, const TExportUmfang* umfang = nullptr);

  // After TestenOk: it refused only because no row was marked (nothing to export).
  bool NichtsGefunden() const { return nichtsGefunden_; }
  // After TestenOk: the problems it found (the ones the person accepted when it passed).
  const TExportProblemListe& Gefunden() const { return gefunden_; }

  // Every problem of the marked rows, in list order, then those of the whole export.
  TExportProblemListe Probleme(const TFibuExporter& exporter, const TExportUmfang* umfang);

 private:
  // A problem with the texts of the message that reports it on its own.
  struct TBefund {
    TExportProblem Problem;
    std::string Batch;
    std::string Dialog;
    bool Frage = false;  // the output-tax question: asked, not refused
  };

  std::vector<TBefund> Sammeln(const TFibuExporter& exporter, const TExportUmfang* umfang);
  void KontenNummern(std::size_t index, const IExportZeile& zeile);
  void Gruppe(std::size_t index, const IExportZeile& gruppe);
  void Avis(std::size_t index, const IExportZeile& zeile, const IExportZeile& ort);
  void Steuer(std::size_t index, const IExportZeile& zeile);
  void Inlandserloese(std::size_t index, const IExportZeile& zeile);
  void Regeln(IExportRegeln& regeln, std::size_t index, const IExportZeile& zeile);
  bool IstMwstKonto(const std::string& name, const std::string& zusatz, TDateTime datum);
  // The account service's kind of an account; asked once per account and kind in a check.
  bool HatKontoArt(const std::string& name, const std::string& zusatz, TDateTime datum, int art);
  void Befund(std::size_t index, const IExportZeile& zeile, std::string feld, std::string wert,
              std::string regel, std::string batch, std::string dialog, bool sperrt = true,
              bool frage = false);
  // The problem's own message; its row becomes the selected one.
  void Melden(const TBefund& befund);
  // Without a list window: the messages of the checks one by one, up to the first refusal.
  bool Einzeln(const std::vector<TBefund>& befunde);

  IExportListe& liste_;
  IExportDienste& dienste_;
  const TExportMeldung& meldung_;
  IProblemAnzeige* anzeige_;
  TExportProblemListe gefunden_;
  std::unordered_map<std::string, bool> kontoArten_;
  std::vector<TBefund> befunde_;
  bool nichtsGefunden_ = false;
};
