// The confirmation before a real export and the summary after it: client, period,
// settlement, bookings, file lines, debit and credit totals, the target, the problems the
// check let pass; afterwards the files, which the person may show or open the folder of.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/ExportUebersicht.h"
#include "app/SaldixExportLauf.h"
#include "suite/DateiAnzeige.h"

class TfrmExportBestaetigung {
 public:
  enum class TArt { Vorher, Nachher };

  TfrmExportBestaetigung(TArt art, const TExportAbrechnung& abrechnung,
                         const TExportUebersicht& uebersicht, IDateiAnzeige* anzeige = nullptr);

  // Before: where the files will go (the files themselves where the format names them
  // beforehand), and the problems the person accepted.
  void SetZiel(const std::string& verzeichnis, std::vector<std::string> dateien);
  void SetProbleme(std::vector<std::string> probleme) { Probleme = std::move(probleme); }
  // After: the exporter's own message and the files written.
  void SetErgebnis(const std::string& meldung, std::vector<std::string> dateien);

  void btnOKClick() { modalResult_ = 1; }
  void btnAbbrechenClick() { modalResult_ = 2; }
  // The selected file (the first when none is selected).
  void btnDateiAnzeigenClick();
  void btnOrdnerOeffnenClick();

  // What the view shows.
  std::string Caption;
  std::string Ueberschrift;
  std::vector<std::pair<std::string, std::string>> Angaben;  // label, value
  std::vector<std::string> Probleme;
  std::vector<std::string> Dateien;
  std::string Meldung;  // after: the exporter's message
  std::string OkText;
  bool AbbrechenSichtbar = false;
  bool DateiKnoepfeSichtbar = false;
  int DateiIndex = -1;

  int ModalResult() const { return modalResult_; }  // 0 open, 1 OK, 2 cancel
  TArt Art() const { return art_; }

 private:
  std::string GewaehlteDatei() const;

  TArt art_;
  IDateiAnzeige* anzeige_;
  int modalResult_ = 0;
};

// Shows the confirmation or summary modally; true when the person pressed OK.
class IExportBestaetigungAnzeige {
 public:
  virtual ~IExportBestaetigungAnzeige() = default;
  virtual bool Zeigen(TfrmExportBestaetigung& form) = 0;
  virtual IDateiAnzeige* DateiAnzeige() { return nullptr; }
};
