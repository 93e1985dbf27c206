// The demo suite as the dialog tests use it: a small demo, its clients, the data module
// with client 1 current, and single numbers read from the suite database.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "UiDemoSuite.h"
#include "suite/servers/MandListeServer.h"

class UiDemo {
 public:
  UiDemo();

  ScriptedPresenter& Messages() { return demo_.Suite().Messages(); }
  std::filesystem::path ExportDir() { return demo_.Suite().Dir() / "export"; }
  std::vector<TMandListeEintrag> Mandanten() const;
  TSaldixDataModule& Modul();
  int Zahl(const std::string& sql) const;

 private:
  // The dialog tests open the settlement dialogs themselves.
  TKeineAbrechnungsWahl keineWahl_;
  UiDemoSuite demo_;
};
