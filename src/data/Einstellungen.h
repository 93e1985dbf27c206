// The client's settings in the suite's settings store: general keys, keys by origin and
// profile, and the cascade global -> client -> client+origin -> client+origin+profile.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "data/EinstellungenRecord.h"
#include "suite/SimpleMask.h"
#include "suite/Types.h"

class TSaldixEinstellungen {
 public:
  TSaldixEinstellungen();

  TEinstellungen Einstellungen;

  // The current client whose settings are read and written.
  void SetMandant(const TIntPair& mandant) { mandant_ = mandant; }
  const TIntPair& Mandant() const { return mandant_; }
  // Called whenever the partner-account settings were read or written.
  void SetPartnerCachesLeeren(std::function<void()> leeren) { partnerCachesLeeren_ = std::move(leeren); }

  void Allgemeine_Einstellungen_Restore();
  void Allgemeine_Einstellungen_Buchen();
  void Einstellungen_Nach_Herkunft_Restore(const std::string& AHerkunft, const std::string& AProfil,
                                           bool ADefaultLaden);
  void Einstellungen_Nach_Herkunft_Buchen(const std::string& AHerkunft, const std::string& AProfil);
  void Einstellungen_Nach_Herkunft_Loeschen(const std::string& AHerkunft,
                                            const std::string& AProfil);

  bool Einstellungen_Restore_Boolean(const std::string& key, bool def, bool kaskade,
                                     const std::string& mandIndex) const;
  std::string Einstellungen_Restore_String(const std::string& key, const std::string& def,
                                           bool kaskade, const std::string& mandIndex) const;
  int Einstellungen_Restore_Integer(const std::string& key, int def, bool kaskade,
                                    const std::string& mandIndex) const;

  // Lines "name[+suffix]=J|N" limiting the summarising to these accounts.
  const std::vector<std::string>& ZusaKontoListe() const { return zusaKonto_; }
  const std::vector<std::string>& ZusaGGKtoListe() const { return zusaGGKto_; }
  void SetZusaKontoListe(const std::vector<std::string>& Value);
  void SetZusaGGKtoListe(const std::vector<std::string>& Value);

  std::string Get_Mand_String() const;
  std::string Get_Mand_Herkunft_String() const;
  std::string Get_Mand_Herkunft_Profil_String2(const TIntPair& mandant) const;
  std::string Get_Mand_Herkunft_Profil_String() const;

  TSimpleMask& FSM() { return fsm_; }

 private:
  bool LeseNachHerkunft(bool kaskade);
  void PartnerCachesLeeren() const;

  TSimpleMask fsm_;
  TIntPair mandant_;
  std::vector<std::string> zusaKonto_;
  std::vector<std::string> zusaGGKto_;
  std::function<void()> partnerCachesLeeren_;
};
