// The common settings form of every export format: page buttons, the pages "Filialen"
// and "Spezielle Kontenzuordnungen", the profile buttons and "Weiter - F5" / "Zurück".
// The page "Exportparameter" and any page of the format's own come from its part.
#pragma once

#include <QDialog>
#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "export/FibuExportFrm.h"

class QAbstractButton;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

// A format's part of the settings form. Its pages are handed to the form, which then
// owns them and ends the part before them.
class TFibuExportFormatTeil : public QObject {
  Q_OBJECT

 public:
  // A page of the format's own, reached by a button beside the common page buttons.
  struct TEigeneSeite {
    std::string Name;  // the logic's page name
    const char* KnopfText;
    const char* Ueberschrift;
    QWidget* Seite;
    std::function<void()> KnopfKlick;
  };

  // The format's controls on the page "Exportparameter".
  virtual QWidget* ParameterSeite() = 0;
  virtual std::vector<TEigeneSeite> EigeneSeiten() { return {}; }
  // Shows the logic's values.
  virtual void Anzeigen() = 0;
};

// The part of a format without controls of its own.
class TLeererFormatTeil final : public TFibuExportFormatTeil {
  Q_OBJECT

 public:
  QWidget* ParameterSeite() override;
  void Anzeigen() override {}
};

class TFibuExportFrmView final : public QDialog {
  Q_OBJECT

 public:
  TFibuExportFrmView(TfrmFibuExport& form, std::unique_ptr<TFibuExportFormatTeil> teil,
                     QWidget* eltern = nullptr);
  ~TFibuExportFrmView() override;

  // Shows the logic's caption, page and values.
  void Anzeigen();
  // The page on screen, by the logic's page name.
  std::string SichtbareSeite() const;

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* SeiteMitUeberschrift(const char* ueberschrift, QWidget* inhalt);
  QWidget* FilialSeite();
  QWidget* SpezKontenSeite();
  void SeiteHinzufuegen(const std::string& name, QWidget* seite, QPushButton* knopf);
  // Runs a handler of the logic with the input the person is still typing taken, then
  // shows the logic's state and closes when the logic closed.
  void Ausfuehren(QWidget* ausloeser, const std::function<void()>& handler);
  void FilialenAnzeigen();

  TfrmFibuExport& form_;
  std::unique_ptr<TFibuExportFormatTeil> teil_;
  QStackedWidget* seiten_;
  std::map<std::string, int> seitenIndex_;
  std::map<std::string, QPushButton*> seitenKnoepfe_;
  QRadioButton* optAlleFilialen_;
  QRadioButton* optSelektierteFilialen_;
  QListWidget* lstFilialen_;
  QPushButton* btnAllesVerarbeiten_;
  QPushButton* btnUmkehren_;
  QPlainTextEdit* edtSpezKonten_;
  QPushButton* btnOK_;
};
