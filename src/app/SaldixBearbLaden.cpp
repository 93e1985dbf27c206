#include "app/SaldixBearbLaden.h"

#include <stdexcept>

#include "app/SaldixBearbAutomatik.h"
#include "app/SaldixBearbTakt.h"
#include "app/SaldixBearbZeilenAufbau.h"
#include "suite/QTXInfo.h"
#include "suite/Text.h"

std::string MaxZeilenMeldung(std::int32_t maxZeilen) {
  return "Es wurde die von Ihnen gewünschte \rmax. Anzahl (" + std::to_string(maxZeilen) +
         ") von Sätzen eingelesen.\rEs exisieren möglicherweise noch weitere.";
}

TBuchungsFilter TBuchungsLader::Filter(const TLadeAuftrag& auftrag) {
  TBuchungsFilter filter;
  filter.Firma = auftrag.Firma;
  filter.Offen = auftrag.OffeneAbrechnung;
  if (!auftrag.OffeneAbrechnung) {
    filter.AbrJahr = auftrag.AbrJahr;
    filter.AbrNr = auftrag.AbrNr;
    return filter;
  }
  filter.DatumVon = auftrag.DatumVon;
  filter.DatumBis = auftrag.DatumBis;
  filter.Rechner = auftrag.Rechner;
  filter.Filiale = auftrag.Filiale;
  filter.ExportKennzeichen = auftrag.SaetzeFuerExport;
  if (auftrag.Filiale == 0) {
    if (exporter_.FilialenSelektiert) {
      filter.OhneFilialen = dienste_.Buchungen.GetNegExporterListe(exporter_.Filialen);
    } else if (auftrag.Gruppe != 0) {
      filter.OhneFilialen =
          dienste_.Buchungen.GetNegFiliallisteByGruppe(auftrag.Gruppe, auftrag.Firma);
    }
  }
  return filter;
}

bool TBuchungsLader::Behalten(const TLadeAuftrag& auftrag, const TBuchungsRohsatz& satz) {
  if (qtx_strmatch(auftrag.Herkunft, "ALLE") || auftrag.Herkunft.empty()) return true;
  if (auftrag.MitPrimanota && qtx_strmatch(satz.FiBuGVorfall, "PRIMANOTA")) return true;
  return dienste_.Einstellungen.BGVInHerkunft(satz.FiBuGVorfall, auftrag.Herkunft);
}

TLadeErgebnis TBuchungsLader::Laden(const TLadeAuftrag& auftrag) {
  TLadeErgebnis ergebnis;
  ergebnis.DatumVon = auftrag.DatumVon;
  ergebnis.DatumBis = auftrag.DatumBis;
  TZeilenAufbau aufbau(dienste_, einstellungen_, exporter_, auftrag.AbrNr, auftrag.AbrJahr);
  const std::int32_t maxZeilen = einstellungen_.MaxZeilen;
  TVerarbeitungsTakt takt(auftrag.Fortschritt);
  const bool ok = dienste_.Buchungen.BuchungenLesen(
      Filter(auftrag), [&](const TBuchungsRohsatz& original) {
        // Widened by every booking read, kept or not: the range is the settlement's period.
        takt.Schritt();
        if (auftrag.OffeneAbrechnung && original.Belegdatum != 0) {
          if (ergebnis.DatumVon == 0 || original.Belegdatum < ergebnis.DatumVon) {
            ergebnis.DatumVon = original.Belegdatum;
          }
          if (ergebnis.DatumBis == 0 || original.Belegdatum > ergebnis.DatumBis) {
            ergebnis.DatumBis = original.Belegdatum;
          }
        }
        if (!Behalten(auftrag, original)) return true;
        ergebnis.Buchungen.push_back({aufbau.Aufbauen(original), original.Ident(), true});
        if (maxZeilen > 0 && ergebnis.Buchungen.size() >= static_cast<std::size_t>(maxZeilen)) {
          ergebnis.MaxZeilenErreicht = true;
          return false;
        }
        return true;
      });
  if (!ok) throw std::runtime_error("Die Buchungen konnten nicht gelesen werden.");
  if (auftrag.Gelesen) {
    std::vector<TIntTrio> idents;
    idents.reserve(ergebnis.Buchungen.size());
    for (const auto& b : ergebnis.Buchungen) idents.push_back(b.Ident);
    auftrag.Gelesen(std::move(idents));
  }
  if (einstellungen_.AutoKont && exporter_.Automatikkonten) {
    TAutomatikPaarung(dienste_.Konten, einstellungen_).Paaren(ergebnis.Buchungen);
  }
  return ergebnis;
}
