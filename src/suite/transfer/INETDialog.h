// The suite's connection chooser: pick an INET connection entry by name, add, edit,
// delete and test one. The settings forms of the formats that upload open it through
// the chooser interface; the Qt view renders this logic.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "suite/transfer/InetVerbindung.h"

// What the settings forms call: lets the person choose a connection, preset to name;
// false when cancelled (name unchanged).
class IInetVerbindungChooser {
 public:
  virtual ~IInetVerbindungChooser() = default;
  virtual bool Ausfuehren(std::string& name) = 0;
};

// The chooser the forms use (none installed: the choice reports cancelled).
void SetInetVerbindungChooser(std::shared_ptr<IInetVerbindungChooser> chooser);
IInetVerbindungChooser* InetVerbindungChooser();
// Runs the installed chooser; false without one.
bool InetVerbindungWaehlen(std::string& name);

class TINETDialog {
 public:
  enum class TModus { Auswahl, Neu, Bearbeiten };

  // Reads the entries and selects the one named vorgabe (when there is one).
  explicit TINETDialog(const std::string& vorgabe = {});

  const std::vector<TInetVerbindung>& Eintraege() const { return eintraege_; }
  int Auswahl() const { return auswahl_; }
  void SetAuswahl(int index);
  // The name of the selected entry; empty when none.
  std::string GewaehlterName() const;

  TModus Modus() const { return modus_; }
  // The values being edited (new or edit mode). The stored password is never loaded into
  // the form: an empty password while editing keeps it.
  TInetVerbindung& Formular() { return formular_; }
  // True while editing an entry that has a stored password.
  bool PasswortGespeichert() const { return passwortGespeichert_; }

  void Neu();
  bool Bearbeiten();  // false without a selection
  // Checks the form; shows the first problem as an input error and stays in its mode.
  bool Speichern();
  void Abbrechen();
  // Asks, then deletes the selected entry.
  bool Loeschen();
  // Connects with the form's values (edit modes) or the selected entry, changes to its
  // directory and lists it; shows the outcome in one message.
  bool Testen();
  // Confirms the choice: true when an entry is selected (the dialog may close).
  bool OK();

 private:
  void Laden(const std::string& auswahlName);
  void Eingabefehler(const std::string& text);

  std::vector<TInetVerbindung> eintraege_;
  int auswahl_ = -1;
  TModus modus_ = TModus::Auswahl;
  TInetVerbindung formular_;
  std::string bearbeiteterName_;
  bool passwortGespeichert_ = false;
};
