// The switches of a settings form, one check box each, as the format's settings table
// declares them: caption, hint and the key as the box's name ("chk" + key).
#pragma once

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "export/FibuExportFrm.h"

class QCheckBox;
class QVBoxLayout;

class TSchalterLeiste final : public QWidget {
  Q_OBJECT

 public:
  // geaendert runs after a box was clicked, so that the rest of the form can follow.
  TSchalterLeiste(TfrmFibuExport& form, std::function<void()> geaendert, QWidget* parent = nullptr);
  // Shows the form's switches; the boxes are made anew when the switches themselves changed.
  void Anzeigen();

 private:
  void Aufbauen();

  TfrmFibuExport& form_;
  std::function<void()> geaendert_;
  QVBoxLayout* layout_;
  std::vector<std::string> schluessel_;
  std::vector<QCheckBox*> boxen_;
};
