#include "data/Einstellungen.h"

#include "data/EinstellungenWerte.h"
#include "suite/DateTime.h"
#include "suite/DelimitedText.h"
#include "suite/Format.h"
#include "suite/Guarded.h"
#include "suite/SuiteDatabase.h"
#include "suite/Text.h"
#include "suite/Utf8.h"

namespace {

// Index texts longer than this share their stored values.
constexpr std::size_t kIndexLaenge = 32;

std::string DebitorenText(const TEinstellungen& e) {
  if (!e.DebitorenZuordnung.IsEmpty()) return PaarAlsText(e.DebitorenZuordnung);
  if (e.DebitorenMerkmal != 0) return std::to_string(e.DebitorenMerkmal);
  return {};
}

}  // namespace

TSaldixEinstellungen::TSaldixEinstellungen() : fsm_("SALDIX", "WEITEINS") {}

std::string TSaldixEinstellungen::Get_Mand_String() const { return qtx_TIntPair2String(mandant_); }

std::string TSaldixEinstellungen::Get_Mand_Herkunft_String() const {
  const std::string mand = Get_Mand_String();
  if (qtx_strmatch(Einstellungen.Herkunft, CHerkunftAlle)) return mand;
  return mand + "+" + Einstellungen.Herkunft;
}

std::string TSaldixEinstellungen::Get_Mand_Herkunft_Profil_String2(const TIntPair& mandant) const {
  std::string index = qtx_TIntPair2String(mandant);
  if (!qtx_strmatch(Einstellungen.Herkunft, CHerkunftAlle)) index += "+" + Einstellungen.Herkunft;
  if (!Einstellungen.Profil.empty()) index += "+" + Einstellungen.Profil;
  return Utf8Left(index, kIndexLaenge);
}

std::string TSaldixEinstellungen::Get_Mand_Herkunft_Profil_String() const {
  return Get_Mand_Herkunft_Profil_String2(mandant_);
}

void TSaldixEinstellungen::PartnerCachesLeeren() const {
  if (partnerCachesLeeren_) partnerCachesLeeren_();
}

bool TSaldixEinstellungen::Einstellungen_Restore_Boolean(const std::string& key, bool def,
                                                         bool kaskade,
                                                         const std::string& mandIndex) const {
  return GuardedOr("TSaldixDataModule.Einstellungen_Restore_Boolean", def, [&] {
    bool v = def;
    if (kaskade) {
      v = fsm_.ReadGlobalDef(key, v);
      v = fsm_.ReadByIndexDef(mandIndex, key, v);
      v = fsm_.ReadByIndexDef(Get_Mand_Herkunft_String(), key, v);
    }
    return fsm_.ReadByIndexDef(Get_Mand_Herkunft_Profil_String(), key, v);
  });
}

std::string TSaldixEinstellungen::Einstellungen_Restore_String(const std::string& key,
                                                               const std::string& def,
                                                               bool kaskade,
                                                               const std::string& mandIndex) const {
  return GuardedOr("TSaldixDataModule.Einstellungen_Restore_String", def, [&] {
    std::string v = def;
    if (kaskade) {
      v = fsm_.ReadGlobalDef(key, v);
      v = fsm_.ReadByIndexDef(mandIndex, key, v);
      v = fsm_.ReadByIndexDef(Get_Mand_Herkunft_String(), key, v);
    }
    return fsm_.ReadByIndexDef(Get_Mand_Herkunft_Profil_String(), key, v);
  });
}

int TSaldixEinstellungen::Einstellungen_Restore_Integer(const std::string& key, int def,
                                                        bool kaskade,
                                                        const std::string& mandIndex) const {
  return GuardedOr("TSaldixDataModule.Einstellungen_Restore_Integer", def, [&] {
    int v = def;
    if (kaskade) {
      v = fsm_.ReadGlobalDef(key, v);
      v = fsm_.ReadByIndexDef(mandIndex, key, v);
      v = fsm_.ReadByIndexDef(Get_Mand_Herkunft_String(), key, v);
    }
    return fsm_.ReadByIndexDef(Get_Mand_Herkunft_Profil_String(), key, v);
  });
}

void TSaldixEinstellungen::Allgemeine_Einstellungen_Restore() {
  Guarded("TSaldixDataModule.Allgemeine_Einstellungen_Restore", [&] {
    const std::string mand = Get_Mand_String();
    auto b = [&](const char* key, bool def) { return Einstellungen_Restore_Boolean(key, def, true, mand); };
    auto s = [&](const char* key, const std::string& def) {
      return Einstellungen_Restore_String(key, def, true, mand);
    };
    const TEinstellungen d;
    auto& e = Einstellungen;
    e.MaxZeilen = Einstellungen_Restore_Integer("MAXZEILEN", d.MaxZeilen, true, mand);
    e.KontoMonatsweise = b("KONTOMONAT", d.KontoMonatsweise);
    e.DirektEinlesen = b("DIREKTLESEN", d.DirektEinlesen);
    e.SpaltenConfig = s("SICHTSPAL", d.SpaltenConfig);
    e.SortierungConfig = s("SORTIERUNG", d.SortierungConfig);
    e.Kostenstellen = s("KOSTENSTELLEN", d.Kostenstellen);
    e.AutoKont = b("ZUSAAUTOK", d.AutoKont);
    e.MwStNormAsString4 = s("AUKTOVOLL", d.MwStNormAsString4);
    e.MwStReduAsString4 = s("AUKTOREDU", d.MwStReduAsString4);
    e.MwStSpezAsString4 = s("AUKTOSPEZ", d.MwStSpezAsString4);
    e.MwStReduAltAsString4 = s("AUKTOALTR", d.MwStReduAltAsString4);
    e.MwStNormAltAsString4 = s("AUKTOALT_", d.MwStNormAltAsString4);
    // A stored text that is no date keeps the default date.
    e.MwStAbDatum = StrToDateDef(s("AUKTOADAT", DateToStr(d.MwStAbDatum)), d.MwStAbDatum);

    e.KreditorenZuordnung = PaarAusText(s("KREDITOREN", "")).value_or(TIntPair{});
    e.DebitorenZuordnung = {};
    e.DebitorenMerkmal = 0;
    e.DebitorenSchema.clear();
    const std::string debitoren = s("DEBITOREN", "");
    if (const auto paar = PaarAusText(debitoren); paar && !paar->IsEmpty()) {
      e.DebitorenZuordnung = *paar;
    } else {
      e.DebitorenMerkmal = StrToIntDef(debitoren, 0);
    }
    if (!debitoren.empty()) e.DebitorenSchema = s("DEBSCHEMA", "");
    PartnerCachesLeeren();
  });
}

void TSaldixEinstellungen::Allgemeine_Einstellungen_Buchen() {
  Guarded("TSaldixDataModule.Allgemeine_Einstellungen_Buchen", [&] {
    const std::string mand = Get_Mand_String();
    const auto& e = Einstellungen;
    // All keys or none: a half-written set would mix old and new rates.
    suitedb::Transaction transaction(SuiteDatabase::Get());
    fsm_.WriteByIndex(mand, "MAXZEILEN", e.MaxZeilen);
    fsm_.WriteByIndex(mand, "KONTOMONAT", e.KontoMonatsweise);
    fsm_.WriteByIndex(mand, "DIREKTLESEN", e.DirektEinlesen);
    fsm_.WriteByIndex(mand, "SICHTSPAL", e.SpaltenConfig);
    fsm_.WriteByIndex(mand, "SORTIERUNG", e.SortierungConfig);
    fsm_.WriteByIndex(mand, "KOSTENSTELLEN", e.Kostenstellen);
    fsm_.WriteByIndex(mand, "ZUSAAUTOK", e.AutoKont);
    fsm_.WriteByIndex(mand, "AUKTOVOLL", e.MwStNormAsString4);
    fsm_.WriteByIndex(mand, "AUKTOREDU", e.MwStReduAsString4);
    fsm_.WriteByIndex(mand, "AUKTOSPEZ", e.MwStSpezAsString4);
    fsm_.WriteByIndex(mand, "AUKTOALTR", e.MwStReduAltAsString4);
    fsm_.WriteByIndex(mand, "AUKTOALT_", e.MwStNormAltAsString4);
    fsm_.WriteByIndex(mand, "AUKTOADAT", DateToStr(e.MwStAbDatum));
    fsm_.WriteByIndex(mand, "KREDITOREN",
                      e.KreditorenZuordnung.IsEmpty() ? std::string() : PaarAlsText(e.KreditorenZuordnung));
    const std::string debitoren = DebitorenText(e);
    fsm_.WriteByIndex(mand, "DEBITOREN", debitoren);
    fsm_.WriteByIndex(mand, "DEBSCHEMA", debitoren.empty() ? std::string() : e.DebitorenSchema);
    transaction.Commit();
    PartnerCachesLeeren();
  });
}

bool TSaldixEinstellungen::LeseNachHerkunft(bool kaskade) {
  const std::string mand = Get_Mand_String();
  auto b = [&](const char* key, bool def) { return Einstellungen_Restore_Boolean(key, def, kaskade, mand); };
  auto s = [&](const char* key, const std::string& def) {
    return Einstellungen_Restore_String(key, def, kaskade, mand);
  };
  const TEinstellungen d;
  auto& e = Einstellungen;
  e.KontoKombination = b("ZUSAKTOKOM", d.KontoKombination);
  e.Kriterien = s("ZUSAKRITER", d.Kriterien);
  e.NachNummer = b("ZUSANUMMER", d.NachNummer);
  e.Beschreibung = b("ZUSABESCHR", d.Beschreibung);
  zusaKonto_ = DelimitedText_Split(s("ZUSAKONTO", ""));
  zusaGGKto_ = DelimitedText_Split(s("ZUSAGGKTO", ""));
  e.InhaltBeleg1 = s("INHALTBELEG1", d.InhaltBeleg1);
  e.InhaltBeleg2 = s("INHALTBELEG2", d.InhaltBeleg2);
  e.InhaltText = s("INHALTTEXT", d.InhaltText);
  e.InhaltTextAnhaengen = b("INHALTTEXTAN", d.InhaltTextAnhaengen);
  return e.KontoKombination || e.NachNummer || e.Beschreibung || e.Kriterien != d.Kriterien ||
         !e.InhaltBeleg1.empty() || !e.InhaltBeleg2.empty() || !e.InhaltText.empty() ||
         !e.InhaltTextAnhaengen;
}

void TSaldixEinstellungen::Einstellungen_Nach_Herkunft_Restore(const std::string& AHerkunft,
                                                               const std::string& AProfil,
                                                               bool ADefaultLaden) {
  Guarded("TSaldixDataModule.Einstellungen_Nach_Herkunft_Restore", [&] {
    Einstellungen.Herkunft = AHerkunft;
    Einstellungen.Profil = AProfil;
    const bool alle = qtx_strmatch(AHerkunft, CHerkunftAlle);
    const bool gefunden = LeseNachHerkunft(alle && ADefaultLaden) || alle;
    if (ADefaultLaden && !gefunden) {
      Einstellungen.Herkunft = std::string(CHerkunftAlle);
      LeseNachHerkunft(ADefaultLaden);
    }
  });
}

void TSaldixEinstellungen::Einstellungen_Nach_Herkunft_Buchen(const std::string& AHerkunft,
                                                              const std::string& AProfil) {
  Guarded("TSaldixDataModule.Einstellungen_Nach_Herkunft_Buchen", [&] {
    Einstellungen.Herkunft = AHerkunft;
    Einstellungen.Profil = AProfil;
    const std::string index = Get_Mand_Herkunft_Profil_String();
    const auto& e = Einstellungen;
    suitedb::Transaction transaction(SuiteDatabase::Get());
    fsm_.WriteByIndex(index, "INHALTBELEG1", e.InhaltBeleg1);
    fsm_.WriteByIndex(index, "INHALTBELEG2", e.InhaltBeleg2);
    fsm_.WriteByIndex(index, "INHALTTEXT", e.InhaltText);
    fsm_.WriteByIndex(index, "INHALTTEXTAN", e.InhaltTextAnhaengen);
    fsm_.WriteByIndex(index, "ZUSAKTOKOM", e.KontoKombination);
    fsm_.WriteByIndex(index, "ZUSAKRITER", e.Kriterien);
    fsm_.WriteByIndex(index, "ZUSANUMMER", e.NachNummer);
    fsm_.WriteByIndex(index, "ZUSABESCHR", e.Beschreibung);
    transaction.Commit();
  });
}

void TSaldixEinstellungen::Einstellungen_Nach_Herkunft_Loeschen(const std::string& AHerkunft,
                                                                const std::string& AProfil) {
  Guarded("TSaldixDataModule.Einstellungen_Nach_Herkunft_Loeschen", [&] {
    // The client's own entry under origin "ALLE" holds its general settings.
    if (qtx_strmatch(AHerkunft, CHerkunftAlle) && AProfil.empty()) return;
    Einstellungen.Herkunft = AHerkunft;
    Einstellungen.Profil = AProfil;
    fsm_.DeleteAllKeysByIndex(Get_Mand_Herkunft_Profil_String());
  });
}

void TSaldixEinstellungen::SetZusaKontoListe(const std::vector<std::string>& Value) {
  Guarded("TSaldixDataModule.SetZusaKontoListe", [&] {
    zusaKonto_ = Value;
    fsm_.WriteByIndex(Get_Mand_Herkunft_Profil_String(), "ZUSAKONTO", DelimitedText_Join(Value));
  });
}

void TSaldixEinstellungen::SetZusaGGKtoListe(const std::vector<std::string>& Value) {
  Guarded("TSaldixDataModule.SetZusaGGKtoListe", [&] {
    zusaGGKto_ = Value;
    fsm_.WriteByIndex(Get_Mand_Herkunft_Profil_String(), "ZUSAGGKTO", DelimitedText_Join(Value));
  });
}

bool InhaltIstKontoabhaengig(std::string_view inhalt) {
  return inhalt == "KOMBIKUE" || inhalt == "GGKTOBEZ" || inhalt == "KOMBIFIK" ||
         inhalt == "KTOKUERZ";
}
