#include "export/FibuExportFrm.h"

#include <charconv>

#include "suite/QTXInfo.h"
#include "suite/SuiteDatabase.h"

namespace {

// The common form's own handlers keep its name when a format's form runs them.
constexpr std::string_view kForm = "TfrmFibuExport";

TFibuExportFormAnzeige& FormAnzeige() {
  static TFibuExportFormAnzeige anzeige;
  return anzeige;
}

std::shared_ptr<IVerzeichnisWahl>& VerzeichnisWahlRef() {
  static std::shared_ptr<IVerzeichnisWahl> wahl;
  return wahl;
}

// A stored branch number; anything that is not a whole number matches no branch.
std::optional<int> AlsZahl(const std::string& text) {
  int wert = 0;
  const char* ende = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), ende, wert);
  if (ec != std::errc() || ptr != ende) return std::nullopt;
  return wert;
}

std::vector<std::string> Zeilen(const std::string& text) {
  std::vector<std::string> zeilen;
  std::string zeile;
  for (char c : text) {
    if (c == '\n') {
      if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
      zeilen.push_back(zeile);
      zeile.clear();
    } else {
      zeile += c;
    }
  }
  if (!zeile.empty()) zeilen.push_back(zeile);
  return zeilen;
}

std::string Text(const std::vector<std::string>& zeilen) {
  std::string text;
  for (const auto& zeile : zeilen) text += zeile + "\n";
  return text;
}

}  // namespace

void SetVerzeichnisWahl(std::shared_ptr<IVerzeichnisWahl> wahl) {
  VerzeichnisWahlRef() = std::move(wahl);
}
IVerzeichnisWahl* VerzeichnisWahl() { return VerzeichnisWahlRef().get(); }
void SetFibuExportFormAnzeige(TFibuExportFormAnzeige anzeige) {
  FormAnzeige() = std::move(anzeige);
}

TfrmFibuExport::TfrmFibuExport() {
  GuardIn(kForm, "FormCreate", [&] {
    auto& branches = SuiteDatabase::Get().Cached("SELECT nummer, name FROM filialen ORDER BY nummer");
    while (branches.Step()) {
      const int nr = static_cast<int>(branches.Int(0));
      FFilialZeilen.push_back({nr, std::to_string(nr) + " - " + branches.Text(1), false});
    }
  });
}

void TfrmFibuExport::Eingabefehler(const std::string& seite, const std::string& text) {
  ZeigeSeite(seite);
  QTXInfo().ShowMeldung(TMeldungsArt::Fehler, {text}, "STANDARD", 994);
}

void TfrmFibuExport::SetFibuExportProfil(TFibuExporter* value) {
  GuardIn(kForm, "SetFibuExportProfil", [&] {
    if (value == FFibuExportProfil) return;
    FFibuExportProfil = value;
    if (FFibuExportProfil) DatenZuMaskeOhneSchutz();
  });
}

void TfrmFibuExport::FormShow() { ZeigeSeite(CSeiteParameter); }

bool TfrmFibuExport::SchalterWert(std::string_view schluessel) const {
  for (const auto& schalter : FSchalter) {
    if (schalter.Schluessel == schluessel) return schalter.Wert;
  }
  return false;
}

void TfrmFibuExport::SetSchalter(std::string_view schluessel, bool wert) {
  for (auto& schalter : FSchalter) {
    if (schalter.Schluessel == schluessel) schalter.Wert = wert;
  }
}

void TfrmFibuExport::SetSchalterHinweis(std::string_view schluessel, const std::string& hinweis) {
  for (auto& schalter : FSchalter) {
    if (schalter.Schluessel == schluessel) schalter.Hinweis = hinweis;
  }
}

void TfrmFibuExport::DatenZuMaske() {
  GuardIn(kForm, "DatenZuMaske", [&] { DatenZuMaskeOhneSchutz(); });
}

void TfrmFibuExport::DatenZuMaskeOhneSchutz() {
  if (!FFibuExportProfil) return;
  auto& exporter = *FFibuExportProfil;
  std::string formatName;
  GetExportFormatName(formatName);
  FCaption = "Einstellungen für Export im Format \"" + formatName + "\"";
  if (!exporter.CfgUserText().empty()) FCaption += " - \"" + exporter.CfgUserText() + "\"";

  if (exporter.FilialenWahl() == epfwSelektierteFilialen) {
    FFilialOption = TFilialOption::SelektierteFilialen;
    for (auto& zeile : FFilialZeilen) zeile.Checked = false;
    for (const auto& eintrag : exporter.Filialen()) {
      const auto nr = AlsZahl(eintrag);
      if (!nr) continue;
      for (auto& zeile : FFilialZeilen) {
        if (zeile.Nr == *nr) zeile.Checked = true;
      }
    }
  } else {
    FFilialOption = TFilialOption::AlleFilialen;
  }
  FSpezKontenText = Text(exporter.SpezKonten());
  FSpezKontenGeaendert = false;
  Spezial_DatenZuMaske();
}

void TfrmFibuExport::DatenVonMaske() {
  GuardIn(kForm, "DatenVonMaske", [&] { DatenVonMaskeOhneSchutz(); });
}

void TfrmFibuExport::DatenVonMaskeOhneSchutz() {
  if (!FFibuExportProfil) return;
  auto& exporter = *FFibuExportProfil;
  std::vector<std::string> filialen;
  if (FFilialOption == TFilialOption::SelektierteFilialen) {
    exporter.SetFilialenWahl(epfwSelektierteFilialen);
    for (const auto& zeile : FFilialZeilen) {
      if (zeile.Checked) filialen.push_back(std::to_string(zeile.Nr));
    }
  } else {
    exporter.SetFilialenWahl(epfwAlleFilialen);
    filialen.push_back("0");
  }
  exporter.SetFilialen(filialen);
  if (FSpezKontenGeaendert) exporter.SetSpezKonten(Zeilen(FSpezKontenText));
  Spezial_DatenVonMaske();
}

bool TfrmFibuExport::TesteMaskenDaten() {
  bool ok = false;
  GuardIn(kForm, "TesteMaskenDaten", [&] {
    if (FFilialOption == TFilialOption::Keine) {
      Eingabefehler(CSeiteFilialen, "Bitte geben Sie die zu exportierenden Filialen an.");
      return;
    }
    if (FFilialOption == TFilialOption::SelektierteFilialen) {
      bool eineGewaehlt = false;
      for (const auto& zeile : FFilialZeilen) eineGewaehlt = eineGewaehlt || zeile.Checked;
      if (!eineGewaehlt) {
        Eingabefehler(CSeiteFilialen, "Bitte geben Sie mindestens eine Filiale an.");
        return;
      }
    }
    ok = Spezial_TesteMaskenDaten();
  });
  return ok;
}

void TfrmFibuExport::SetFilialeChecked(std::size_t zeile, bool checked) {
  if (zeile < FFilialZeilen.size() && FilialListeAktiv()) FFilialZeilen[zeile].Checked = checked;
}

void TfrmFibuExport::btnAllesVerarbeitenClick() {
  if (!FilialListeAktiv()) return;
  for (auto& zeile : FFilialZeilen) zeile.Checked = true;
}

void TfrmFibuExport::btnUmkehrenClick() {
  if (!FilialListeAktiv()) return;
  for (auto& zeile : FFilialZeilen) zeile.Checked = !zeile.Checked;
}

void TfrmFibuExport::SpezKontenEingabe(const std::string& text) {
  if (text == FSpezKontenText) return;
  FSpezKontenText = text;
  FSpezKontenGeaendert = true;
}

const std::string& TfrmFibuExport::SpezKontenHilfe() {
  static const std::string hilfe =
      "Je Zeile eine Zuordnung. Leere Zeilen und Zeilen mit # am Anfang werden "
      "übergangen.\n"
      "\n"
      "[NUMMER] (Voreinstellung): Kontonummern ersetzen\n"
      "Kürzel;Steuerschlüssel;Filiale;Ab-Datum;Bis-Datum;Kontonummer;J/N\n"
      "  J/N: Steuerschlüssel beibehalten\n"
      "Optional danach: ;Neuer Steuerschlüssel;J/N[;Rechner]\n"
      "Filiale, Bis-Datum und Rechner 0 = ohne Einschränkung.\n"
      "Kürzel mit _SOLL oder _HABEN gilt nur für diese Seite.\n"
      "Beispiele:\n"
      "  ERLWARE;3;5;01.01.2013;0;8005;N\n"
      "  ERLWARE;3;5;01.01.2013;0;8005;N;4;J\n"
      "  ERLWARE;3;5;01.01.2013;0;8005;N;4;J;51\n"
      "\n"
      "[EXPORT]: Exportkürzel eines Kontos\n"
      "Konto=Kürzel, z. B. ERLWARE=u\n";
  return hilfe;
}

void TfrmFibuExport::btnOKClick() {
  GuardIn(kForm, "btnOKClick", [&] {
    if (!TesteMaskenDaten()) return;
    DatenVonMaskeOhneSchutz();
    FModalResult = mrOk;
  });
}

void TfrmFibuExport::btnZurueckClick() { FModalResult = mrCancel; }

void TfrmFibuExport::btnSpeichernClick() {
  GuardIn(kForm, "btnSpeichernClick", [&] {
    if (!FFibuExportProfil || !TesteMaskenDaten()) return;
    DatenVonMaskeOhneSchutz();
    FFibuExportProfil->Config_Save_Dialog();
  });
}

void TfrmFibuExport::btnLadenClick() {
  GuardIn(kForm, "btnLadenClick", [&] {
    if (!FFibuExportProfil) return;
    FFibuExportProfil->Config_Load_Dialog();
    DatenZuMaskeOhneSchutz();
  });
}

void TfrmFibuExport::btnLoeschenClick() {
  GuardIn(kForm, "btnLoeschenClick", [&] {
    if (FFibuExportProfil) FFibuExportProfil->Config_Delete_Dialog();
  });
}

bool TFibuExpEditForm::Execute(TFibuExporter& FibuExporter) {
  return Guard("Execute", [&] {
    auto form = ErzeugeForm();
    form->SetFibuExportProfil(&FibuExporter);
    form->FormShow();
    if (!FormAnzeige()) return false;
    return FormAnzeige()(*form) == mrOk;
  });
}
