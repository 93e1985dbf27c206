// The format part of the settings form for the formats on the client table: the export
// path with its directory choice, the format's own fields below it, and the client grid
// under its headline. A format adds its fields and widgets in its constructor.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "export/MandantenExportFrm.h"
#include "ui/FibuExportFrmView.h"

class QGridLayout;
class QLineEdit;
class QVBoxLayout;
class TMandantenRasterTabelle;

class TMandantenExportView : public TFibuExportFormatTeil {
  Q_OBJECT

 public:
  explicit TMandantenExportView(TfrmMandantenExport& form);
  ~TMandantenExportView() override;

  QWidget* ParameterSeite() override { return parameter_; }
  void Anzeigen() override;

 protected:
  // A labelled line edit bound to a value of the logic.
  QLineEdit* Feld(const char* name, const char* beschriftung, int maxLaenge, const char* hinweis,
                  std::function<std::string()> lesen, std::function<void(const std::string&)> setzen);
  // A widget below the client grid, with its headline.
  void Unten(const char* ueberschrift, QWidget* widget);
  // What Anzeigen shows besides the fields and the grid.
  void BeimAnzeigen(std::function<void()> anzeigen) { zusaetzlich_.push_back(std::move(anzeigen)); }

 private:
  struct TFeldBindung {
    QLineEdit* Edit;
    std::function<std::string()> Lesen;
  };

  TfrmMandantenExport& form_;
  QWidget* parameter_;
  QGridLayout* felder_;
  int zeilen_ = 0;  // rows of felder_ in use
  QVBoxLayout* layout_;
  std::vector<TFeldBindung> bindungen_;
  std::vector<std::function<void()>> zusaetzlich_;
  TMandantenRasterTabelle* mandanten_;
};
