#include "data/FBDEDialogVorbelegung.h"

#include "suite/Format.h"

namespace {

std::string KontoText(IFBDEDialogDaten& daten, const std::string& name, const std::string& zusatz,
                      const TFBDEDaten& satz) {
  const std::int32_t nummer =
      daten.Get_Konto_Nummer(name, zusatz, satz.Belegdatum, satz.BelegRNr, satz.Filiale);
  if (nummer > 0) return Format("%.4d", nummer);
  return zusatz.empty() ? name : name + " " + zusatz;
}

}  // namespace

void EditVorbelegen(TfrmSaldixFBDEEdit& form, IFBDEDialogDaten& daten,
                    const std::vector<TIntTrio>& idents, const std::optional<TFBDEDaten>& erste) {
  form.FIdentArray = idents;
  if (!erste) return;
  const TFBDEDaten& satz = *erste;
  form.FKontoGegenKonto = KontoText(daten, satz.KtoName, satz.KtoZusatz, satz) + " / " +
                          KontoText(daten, satz.GegenKtoName, satz.GegenKtoZusatz, satz);
  const long double saldo = satz.BetragSoll - satz.BetragHaben;
  form.FBetragSollHaben = FloatToStrF(saldo < 0 ? -saldo : saldo, 2) + (saldo > 0 ? " Soll" : " Haben");
  if (idents.size() > 1) form.FBetragSollHaben += " (" + std::to_string(idents.size()) + " Buchungen)";
  form.FBeschreibung = satz.Beschreibung;
  form.FUStId = satz.UStID;
  form.FZMZusatz = satz.ZMZusatz;
  form.FKost1 = satz.Kost1;
  form.FKost2 = satz.Kost2;
}

void NeuVorbelegen(TfrmSaldixFBDENeu& form, const std::optional<TFBDEDaten>& vorlage,
                   const TIntPair& firma, TDateTime datum, const std::string& waehrung) {
  form.FFirma = firma;
  form.FWaehrung = waehrung;
  form.FDatum = datum;
  if (!vorlage) return;
  const TFBDEDaten& satz = *vorlage;
  if (!satz.Firma.IsEmpty()) form.FFirma = satz.Firma;
  if (!satz.Waehrung.empty()) form.FWaehrung = satz.Waehrung;
  form.FRechner = satz.BelegRNr;
  form.FFiliale = satz.Filiale;
  form.FBeschreibung = satz.Beschreibung;
  form.FUStId = satz.UStID;
  form.FKost1 = satz.Kost1;
  form.FKost2 = satz.Kost2;
  form.FKonto = satz.KtoName;
  form.FKontoZusatz = satz.KtoZusatz;
  form.FGegenkonto = satz.GegenKtoName;
  form.FGegenkontoZusatz = satz.GegenKtoZusatz;
  form.FDatum = satz.Belegdatum;
  form.FBeleg1 = satz.Beleg1;
  form.FBeleg2 = satz.Beleg2;
  form.FBetrag = satz.BetragSoll - satz.BetragHaben;
}
