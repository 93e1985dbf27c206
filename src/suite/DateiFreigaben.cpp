#include "suite/DateiFreigaben.h"

#include <unistd.h>

#include <filesystem>
#include <set>

#include "suite/DateTime.h"

namespace fs = std::filesystem;

namespace {

// The names CreateUniqueFile gives: "<stem>.XXXXXX.tmp".
bool IstTemporaerName(const std::string& name) {
  constexpr std::string_view kEndung = ".tmp";
  if (name.size() < 12 || name.compare(name.size() - kEndung.size(), kEndung.size(), kEndung)) {
    return false;
  }
  return name[name.size() - kEndung.size() - 7] == '.';
}

}  // namespace

void TDateiFreigaben::Vormerken(const TFertigeDateien& dateien, const std::string& anlass) {
  auto& eintragen = db_.Cached(
      "INSERT OR REPLACE INTO datei_freigabe (temp_pfad, ziel_pfad, anlass, erstellt) "
      "VALUES (?, ?, ?, ?)");
  for (const auto& datei : dateien) {
    eintragen.With(datei->TempPath(), datei->TargetPath(), anlass, qtx_Now()).Run();
  }
}

std::vector<std::string> TDateiFreigaben::Veroeffentlichen(TFertigeDateien& dateien) {
  std::vector<std::string> fehler;
  for (auto& datei : dateien) {
    try {
      datei->Veroeffentlichen();
    } catch (const std::exception& e) {
      datei->Behalten();  // its note brings it to its place at the next start
      fehler.push_back(e.what());
      continue;
    }
    // A note that stays is harmless: the next start finds its file published.
    try {
      Vergessen(datei->TempPath());
    } catch (const std::exception&) {
    }
  }
  return fehler;
}

void TDateiFreigaben::Vergessen(const std::string& tempPfad) {
  db_.Cached("DELETE FROM datei_freigabe WHERE temp_pfad = ?").With(tempPfad).Run();
}

bool TDateiFreigaben::Vorgemerkt(const std::string& tempPfad, std::string& zielPfad) {
  auto& suchen = db_.Cached("SELECT ziel_pfad FROM datei_freigabe WHERE temp_pfad = ?");
  suchen.With(tempPfad);
  const bool gefunden = suchen.Step();
  if (gefunden) zielPfad = suchen.Text(0);
  suchen.Reset();
  return gefunden;
}

TFreigabeAufraeumen TDateiFreigaben::Aufraeumen(const std::string& tempDir) {
  TFreigabeAufraeumen ergebnis;
  try {
    std::set<std::string> kandidaten;
    std::vector<std::pair<std::string, std::string>> notizen;
    {
      auto& alle = db_.Cached("SELECT temp_pfad, ziel_pfad FROM datei_freigabe");
      alle.Reset();
      while (alle.Step()) notizen.emplace_back(alle.Text(0), alle.Text(1));
      alle.Reset();
    }
    for (const auto& [temp, ziel] : notizen) {
      std::error_code fehler;
      if (fs::exists(temp, fehler)) {
        kandidaten.insert(temp);
      } else if (fs::exists(ziel, fehler)) {
        Vergessen(temp);  // published; only the note was left
      }
    }
    std::error_code fehler;
    for (const auto& eintrag : fs::directory_iterator(tempDir, fehler)) {
      if (eintrag.is_regular_file(fehler) && IstTemporaerName(eintrag.path().filename())) {
        kandidaten.insert(eintrag.path().string());
      }
    }
    for (const auto& temp : kandidaten) {
      const int sperre = DateiSperren(temp);
      if (sperre < 0) continue;  // its writer is alive, or it is gone already
      // The writer is gone: its transaction committed (a note is there now) or never will.
      std::string ziel;
      try {
        if (Vorgemerkt(temp, ziel)) {
          EndgueltigUmbenennen(temp, ziel);
          ergebnis.Nachgeholt.push_back(ziel);
          Vergessen(temp);
        } else if (::unlink(temp.c_str()) == 0) {
          ergebnis.Entfernt.push_back(temp);
        }
      } catch (const std::exception& e) {
        ergebnis.Fehler.push_back(e.what());
      }
      ::close(sperre);
    }
  } catch (const std::exception& e) {
    ergebnis.Fehler.push_back(e.what());
  }
  return ergebnis;
}
