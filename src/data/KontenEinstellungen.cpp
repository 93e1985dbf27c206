#include "data/KontenEinstellungen.h"

#include "suite/Guarded.h"

TKontenEinstellungen::TKontenEinstellungen(TExporterKatalogSuche katalog)
    : partner_(einst_.Einstellungen, gnumfile_, merfile_),
      konten_(einst_.Einstellungen, allgemeinServer_, kontoServer_, globKonten_, partner_),
      steuer_(einst_.Einstellungen, [this] { return konten_.KontoSteuernFremd(); },
              [this](int slot) { return Steuerschluessel(slot); }),
      exporter_(std::move(katalog)) {
  einst_.SetPartnerCachesLeeren([this] { partner_.CachesLeeren(); });
  exporter_.SetNachWechsel([this] { KontenIni_einlesen(); },
                           [this] { steuer_.Steuerschl_Liste_Freigeben(); });
}

std::string TKontenEinstellungen::Steuerschluessel(int slot) const {
  TFibuExporter* exporter = exporter_.AktExporter();
  if (exporter == nullptr || slot < 0 || slot >= CQTX_FibuExport_Steuer_Anzahl) return {};
  return exporter->Get_Steuerschluessel(static_cast<TQTX_FibuExport_Steuer>(slot));
}

void TKontenEinstellungen::KontenIni_einlesen() {
  TFibuExporter* exporter = exporter_.AktExporter();
  spez_.KontenIni_einlesen(exporter != nullptr ? &exporter->SpezKonten() : nullptr);
}

void TKontenEinstellungen::SetAktMandant(const TIntPair& AFirma) {
  Guarded("TSaldixDataModule.SetAktMandant", [&] {
    if (mandantGesetzt_ && AFirma == aktMandant_) return;
    aktMandant_ = AFirma;
    mandantGesetzt_ = true;
    konten_.SetMandant(AFirma, 0);
    aktMandantBilanzJahr_ = mandantServer_.GetBilanzJahr(AFirma);
    SetAktMandKurzNr();
    einst_.SetMandant(AFirma);
    einst_.Allgemeine_Einstellungen_Restore();
    einst_.Einstellungen_Nach_Herkunft_Restore(std::string(CHerkunftAlle), "", true);
  });
}

void TKontenEinstellungen::SetAktMandKurzNr() {
  Guarded("TSaldixDataModule.SetAktMandKurzNr", [&] {
    aktMandantKurzNr_ = mandantGesetzt_ ? mandantServer_.GetKurzNr(aktMandant_) : 0;
    konten_.SetMandant(aktMandant_, aktMandantKurzNr_);
  });
}
