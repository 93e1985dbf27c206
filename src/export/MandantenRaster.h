// The client grid of a settings form (logic only) over a client table: a tick per
// client, the fixed columns "KurzNr", "Mandant" and the hidden key, then one editable
// column per field of the table, each taking what its field allows.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "export/MandantenTabelle.h"

class TMandantenRaster {
 public:
  enum TFesteSpalte { mrsKurzNr, mrsMandant, mrsGepNr, mrsErstesFeld };

  // Shows the exporter's table; editing changes only this copy until Uebernehmen.
  void Zeigen(const TMandantenTabelle& tabelle);
  // Hands ticks and values of every row to the exporter's table.
  void Uebernehmen(TMandantenTabelle& tabelle) const;

  std::size_t Zeilen() const { return tabelle_ ? tabelle_->Eintraege().size() : 0; }
  std::size_t Spalten() const;
  // "KurzNr", "Mandant", "" (the key), then the fields' captions.
  std::string Kopf(std::size_t spalte) const;
  static bool SpalteEditierbar(std::size_t spalte) { return spalte >= mrsErstesFeld; }
  bool RechtsBuendig(std::size_t spalte) const;

  bool Aktiv(std::size_t zeile) const;
  void SetAktiv(std::size_t zeile, bool aktiv);
  // A cell's text as the grid shows it; its editor takes the same text back.
  std::string Zelle(std::size_t zeile, std::size_t spalte) const;
  // Takes an edited cell as its field allows it (digits or text up to the field's
  // length); false, nothing changed, otherwise.
  bool SetzeZelle(std::size_t zeile, std::size_t spalte, const std::string& text);

  // A click on an editable column starts editing it in the selected row.
  void SetAuswahl(std::size_t zeile) { auswahl_ = zeile; }
  void KopfKlick(std::size_t spalte);
  struct TZelle {
    std::size_t Zeile;
    std::size_t Spalte;
  };
  std::optional<TZelle> EditierteZelle() const { return editiert_; }

  // The form's check: empty when usable, else the message (see TMandantenTabelle::Pruefen).
  std::string Pruefen() const { return tabelle_ ? tabelle_->Pruefen() : TMandantenTabelle::CKeinerAktiv; }

 private:
  const TMandantenFeld* Feld(std::size_t spalte) const;

  std::optional<TMandantenTabelle> tabelle_;
  std::size_t auswahl_ = 0;
  std::optional<TZelle> editiert_;
};
