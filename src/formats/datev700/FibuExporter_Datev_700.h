// The DATEV booking batch in header version 700 (124 columns): the 510 batch plus the
// order number, the settlement reference and the exchange of debit and credit.
#pragma once

#include "formats/datev/fibuexporter_datev.h"

class TFibuExporter_Datev_700 : public TFibuExporter_Datev {
 public:
  static constexpr const char* CName = "DATEV (Datevformat 1.4 / 700)";
  static constexpr const char* CKennung = "DATEV1.4.700";

  std::string_view ClassName() const override { return "TFibuExporter_Datev_700"; }

  void Properties2Config() override;
  void Config2Properties() override;
  // The settings from before profiles know neither switch: both stay off.
  void Lade_Einstellungen_Alt() override;

  bool SollHabenTauschen() const { return FSollHabenTauschen; }
  void SetSollHabenTauschen(bool value) { FSollHabenTauschen = value; }
  // The settings the 510 batch does not have.
  static const TEinstellungsTabelle<TFibuExporter_Datev_700>& Einstellungen700();
  // Where this header version writes the payment reference.
  static constexpr const char* CHinweisZahlungsreferenz =
      "Die Transaktionsnummer von PAYPAL oder EBAY wird im Feld Abrechnungsreferenz exportiert.";

 protected:
  const datev::TDatevVersion& Version() const override { return datev::CDatev700; }
  long double Differenz(const TFibuExportBuchInfo& ABuchInfo) const override;

 private:
  bool FSollHabenTauschen = false;
};
