#include "suite/transfer/INETDialog.h"

#include <stdexcept>

#include "suite/Guarded.h"
#include "suite/QTXInfo.h"
#include "suite/transfer/QTXFtpComponent.h"

namespace {

std::shared_ptr<IInetVerbindungChooser>& Chooser() {
  static std::shared_ptr<IInetVerbindungChooser> chooser;
  return chooser;
}

}  // namespace

void SetInetVerbindungChooser(std::shared_ptr<IInetVerbindungChooser> chooser) {
  Chooser() = std::move(chooser);
}

IInetVerbindungChooser* InetVerbindungChooser() { return Chooser().get(); }

bool InetVerbindungWaehlen(std::string& name) {
  return Guarded("TINETDialog.Execute", [&] {
    auto* chooser = InetVerbindungChooser();
    return chooser != nullptr && chooser->Ausfuehren(name);
  });
}

TINETDialog::TINETDialog(const std::string& vorgabe) {
  Guarded("TINETDialog.FormCreate", [&] { Laden(vorgabe); });
}

void TINETDialog::Laden(const std::string& auswahlName) {
  eintraege_ = TInetVerbindungen::Liste();
  auswahl_ = -1;
  for (std::size_t i = 0; i < eintraege_.size(); ++i) {
    if (eintraege_[i].Name == auswahlName) auswahl_ = static_cast<int>(i);
  }
}

void TINETDialog::SetAuswahl(int index) {
  if (modus_ != TModus::Auswahl) return;
  auswahl_ = index >= 0 && index < static_cast<int>(eintraege_.size()) ? index : -1;
}

std::string TINETDialog::GewaehlterName() const {
  return auswahl_ >= 0 ? eintraege_[static_cast<std::size_t>(auswahl_)].Name : std::string();
}

void TINETDialog::Eingabefehler(const std::string& text) {
  QTXInfo().ShowMeldung(TMeldungsArt::Fehler, {text}, "STANDARD", 994);
}

void TINETDialog::Neu() {
  modus_ = TModus::Neu;
  formular_ = TInetVerbindung{};
  bearbeiteterName_.clear();
  passwortGespeichert_ = false;
}

bool TINETDialog::Bearbeiten() {
  if (auswahl_ < 0) return false;
  modus_ = TModus::Bearbeiten;
  formular_ = eintraege_[static_cast<std::size_t>(auswahl_)];
  bearbeiteterName_ = formular_.Name;
  passwortGespeichert_ = !formular_.Passwort.empty();
  formular_.Passwort.clear();
  return true;
}

void TINETDialog::Abbrechen() {
  modus_ = TModus::Auswahl;
  formular_ = TInetVerbindung{};
  passwortGespeichert_ = false;
}

bool TINETDialog::Speichern() {
  return Guarded("TINETDialog.btnSpeichernClick", [&] {
    if (modus_ == TModus::Auswahl) return false;
    TInetVerbindung eintrag = formular_;
    // A key file replaces the password; an empty password field keeps the stored one.
    if (modus_ == TModus::Bearbeiten && eintrag.Passwort.empty() &&
        eintrag.Schluesseldatei.empty() && passwortGespeichert_) {
      eintrag.Passwort = eintraege_[static_cast<std::size_t>(auswahl_)].Passwort;
    }
    const std::string problem = InetVerbindungPruefen(eintrag);
    if (!problem.empty()) {
      Eingabefehler(problem);
      return false;
    }
    if (modus_ == TModus::Neu || eintrag.Name != bearbeiteterName_) {
      if (TInetVerbindungen::Vorhanden(eintrag.Name)) {
        Eingabefehler("Eine Verbindung \"" + eintrag.Name + "\" gibt es bereits.");
        return false;
      }
    }
    if (modus_ == TModus::Neu) {
      TInetVerbindungen::Speichern(eintrag);
    } else if (!TInetVerbindungen::Aendern(bearbeiteterName_, eintrag)) {
      throw std::runtime_error("Die Verbindung \"" + bearbeiteterName_ + "\" gibt es nicht mehr");
    }
    modus_ = TModus::Auswahl;
    passwortGespeichert_ = false;
    formular_ = TInetVerbindung{};
    Laden(eintrag.Name);
    return true;
  });
}

bool TINETDialog::Loeschen() {
  return Guarded("TINETDialog.btnLoeschenClick", [&] {
    if (modus_ != TModus::Auswahl || auswahl_ < 0) return false;
    const std::string name = GewaehlterName();
    if (QTXInfo().QTXJaNeinBox("Soll die Verbindung \"" + name + "\" gelöscht werden?") != 6) {
      return false;
    }
    TInetVerbindungen::Loeschen(name);
    Laden({});
    return true;
  });
}

bool TINETDialog::Testen() {
  return Guarded("TINETDialog.btnTestenClick", [&] {
    TInetVerbindung eintrag;
    if (modus_ == TModus::Auswahl) {
      if (auswahl_ < 0) return false;
      eintrag = eintraege_[static_cast<std::size_t>(auswahl_)];
    } else {
      eintrag = formular_;
      if (modus_ == TModus::Bearbeiten && eintrag.Passwort.empty() &&
          eintrag.Schluesseldatei.empty()) {
        eintrag.Passwort = eintraege_[static_cast<std::size_t>(auswahl_)].Passwort;
      }
      const std::string problem = InetVerbindungPruefen(eintrag);
      if (!problem.empty()) {
        Eingabefehler(problem);
        return false;
      }
    }
    TQTXFtpComponent ftp;
    std::vector<std::string> namen;
    if (!ftp.Konfigurieren(eintrag) || !ftp.Connect() || !ftp.ChangeDirVerbindung() ||
        !ftp.List(namen)) {
      QTXInfo().QTXWarnungBox("Die Verbindung ist fehlgeschlagen:\r" + ftp.FehlerText());
      return false;
    }
    ftp.Disconnect();
    QTXInfo().QTXHinweisBox("Die Verbindung zu " + eintrag.Host +
                            " ist in Ordnung.\rIm Verzeichnis \"" +
                            (eintrag.Verzeichnis.empty() ? std::string(".") : eintrag.Verzeichnis) +
                            "\" liegen " + std::to_string(namen.size()) + " Einträge.");
    return true;
  });
}

bool TINETDialog::OK() {
  if (modus_ != TModus::Auswahl) return false;
  if (auswahl_ < 0) {
    QTXInfo().QTXHinweisBox("Bitte wählen Sie eine Verbindung.");
    return false;
  }
  return true;
}
