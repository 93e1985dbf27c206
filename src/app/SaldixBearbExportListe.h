// The booking list as the export run reads it: top-level rows in display order with their
// marks, values by tag and member rows.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "app/ExportZeilen.h"
#include "app/SaldixBearbListe.h"

class TBuchungsListeExport final : public IExportListe {
 public:
  // auswaehlen is told the row a check names (the form selects it).
  TBuchungsListeExport(TBuchungsListe& liste, std::function<void(std::int32_t)> auswaehlen);
  TBuchungsListeExport(const TBuchungsListeExport&) = delete;
  TBuchungsListeExport& operator=(const TBuchungsListeExport&) = delete;

  std::size_t Anzahl() const override { return liste_.Oberste().size(); }
  const IExportZeile& Zeile(std::size_t index) const override;
  void StabilSortieren(const Vorher& vorher) override;
  void ZeileAuswaehlen(const IExportZeile& zeile) override;

 private:
  class TZeile final : public IExportZeile {
   public:
    TZeile(const TBuchungsListeExport& aussen, std::int32_t index)
        : aussen_(&aussen), index_(index) {}
    bool Markiert() const override;
    bool IstGruppe() const override;
    std::size_t KinderAnzahl() const override;
    const IExportZeile& Kind(std::size_t index) const override;
    TIntTrio Ident() const override { return Eigene().IstGruppe ? CLeeresIntTrio : Eigene().Ident; }
    std::string Text(TSpalte tag) const override;
    long double Betrag(TSpalte tag) const override;
    TDateTime Datum(TSpalte tag) const override;
    std::int32_t Index() const { return index_; }

   private:
    const TListenZeile& Eigene() const { return aussen_->liste_.Zeile(index_); }
    const TBuchungsListeExport* aussen_;
    std::int32_t index_;
  };

  TBuchungsListe& liste_;
  std::function<void(std::int32_t)> auswaehlen_;
  std::vector<TZeile> zeilen_;  // one per list row, by row index
};
