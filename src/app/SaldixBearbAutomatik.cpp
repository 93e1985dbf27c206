#include "app/SaldixBearbAutomatik.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numeric>
#include <optional>

#include "app/SaldixBearbInhalt.h"
#include "suite/Text.h"

namespace {

long double AufCentGerundet(long double wert) {
  return std::round(wert * 100) / 100;
}

}  // namespace

std::string OhneWiederholungVerbinden(const std::vector<std::string>& texte) {
  // Beyond this length no target system takes more text; stopping keeps huge groups linear.
  constexpr std::size_t kHoechstlaenge = 2000;
  std::string ergebnis;
  for (const std::string& text : texte) {
    if (text.empty()) continue;
    if (ergebnis.size() > kHoechstlaenge) break;
    if (ergebnis.empty()) {
      ergebnis = text;
    } else if (ergebnis.find(text) == std::string::npos) {
      ergebnis += " / " + text;
    }
  }
  return ergebnis;
}

namespace {
std::string EindeutigVerbinden(const std::vector<std::string>& texte) {
  std::vector<std::string> gesehen;
  std::string ergebnis;
  for (const std::string& text : texte) {
    if (text.empty() || std::find(gesehen.begin(), gesehen.end(), text) != gesehen.end()) {
      continue;
    }
    gesehen.push_back(text);
    ergebnis += (ergebnis.empty() ? "" : " / ") + text;
  }
  return ergebnis;
}
}  // namespace

namespace {

// The number a text of 17 digits stands for; nothing for any other text. Such numbers
// compare as their texts do.
std::optional<std::uint64_t> Ziffernfolge17(std::string_view text) {
  if (text.size() != 17) return std::nullopt;
  std::uint64_t zahl = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    zahl = zahl * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return zahl;
}

// Positions in stable order of their keys.
template <typename Schluessel>
std::vector<std::size_t> StabilGeordnet(const std::vector<Schluessel>& schluessel) {
  std::vector<std::size_t> folge(schluessel.size());
  std::iota(folge.begin(), folge.end(), std::size_t{0});
  std::stable_sort(folge.begin(), folge.end(),
                   [&](std::size_t a, std::size_t b) { return schluessel[a] < schluessel[b]; });
  return folge;
}

// Positions in stable order of "Protokollnummer": as numbers when every one is the usual
// 17 digits, which sorts several times faster than texts and gives the same order.
std::vector<std::size_t> ProtokollnummernFolge(const std::vector<TGeladeneBuchung>& buchungen) {
  std::vector<std::uint64_t> zahlen;
  zahlen.reserve(buchungen.size());
  for (const auto& b : buchungen) {
    const auto zahl = Ziffernfolge17(b.Werte.Text(TSpalte::Protokollnummer));
    if (!zahl) {
      std::vector<std::string_view> texte;
      texte.reserve(buchungen.size());
      for (const auto& t : buchungen) texte.push_back(t.Werte.Text(TSpalte::Protokollnummer));
      return StabilGeordnet(texte);
    }
    zahlen.push_back(*zahl);
  }
  return StabilGeordnet(zahlen);
}

// Stable order by "Protokollnummer": the rows are sorted as indices and then moved into
// place once, instead of moving whole rows at every step of the sort.
void NachProtokollnummerSortieren(std::vector<TGeladeneBuchung>& buchungen) {
  std::vector<std::size_t> folge = ProtokollnummernFolge(buchungen);
  // Position i takes the row that stood at folge[i]; each cycle of the permutation moves
  // its rows along.
  for (std::size_t i = 0; i < folge.size(); ++i) {
    if (folge[i] == i) continue;
    TGeladeneBuchung erste = std::move(buchungen[i]);
    std::size_t ziel = i;
    while (folge[ziel] != i) {
      const std::size_t quelle = folge[ziel];
      buchungen[ziel] = std::move(buchungen[quelle]);
      folge[ziel] = ziel;
      ziel = quelle;
    }
    buchungen[ziel] = std::move(erste);
    folge[ziel] = ziel;
  }
}

// What consecutive rows of one run share: computer and transaction number (the first 13
// characters of "Protokollnummer") and the first 9 characters of both references.
class TLaufSchluessel {
 public:
  explicit TLaufSchluessel(const TZeilenWerte& w)
      : protokoll_(w.Text(TSpalte::Protokollnummer).substr(0, 13)),
        verweis1_(Anfang9(w.Ganzzahl(TSpalte::Verweis1))),
        verweis2_(Anfang9(w.Ganzzahl(TSpalte::Verweis2))) {}
  bool operator==(const TLaufSchluessel&) const = default;

 private:
  static std::array<char, 10> Anfang9(std::int32_t zahl) {
    char text[16];
    const auto ende = std::to_chars(text, text + sizeof text, zahl).ptr;
    std::array<char, 10> anfang{};
    std::copy(text, text + std::min<std::ptrdiff_t>(ende - text, 9), anfang.begin());
    return anfang;
  }

  std::string_view protokoll_;
  std::array<char, 10> verweis1_, verweis2_;
};

}  // namespace

void TAutomatikPaarung::Paaren(std::vector<TGeladeneBuchung>& buchungen) {
  NachProtokollnummerSortieren(buchungen);
  // Rows built for pairing carry an ident of their own already.
  for (auto& b : buchungen) {
    if (b.Werte.Text(TSpalte::AKIdent).empty()) b.Werte.SetText(TSpalte::AKIdent, konten_.CreateIdent());
  }

  std::size_t von = 0;
  while (von < buchungen.size()) {
    const TLaufSchluessel schluessel(buchungen[von].Werte);
    std::size_t bis = von + 1;
    while (bis < buchungen.size() && TLaufSchluessel(buchungen[bis].Werte) == schluessel) ++bis;
    LaufBearbeiten(buchungen, von, bis);
    von = bis;
  }
}

bool TAutomatikPaarung::Hat(const std::string& konto, TMerkmal merkmal) {
  std::optional<bool>& antwort = merkmale_[konto][static_cast<std::size_t>(merkmal)];
  if (!antwort) antwort = Fragen(konto, merkmal);
  return *antwort;
}

bool TAutomatikPaarung::Fragen(const std::string& konto, TMerkmal merkmal) {
  const auto hatArt = [&](std::initializer_list<int> arten) {
    return std::any_of(arten.begin(), arten.end(),
                       [&](int art) { return konten_.KontoHatArt(konto, art); });
  };
  switch (merkmal) {
    case TMerkmal::Ausgenommen:
      return hatArt({37, 38, 40, 41});
    case TMerkmal::LaufOhnePaarung:
      return hatArt({47});
    case TMerkmal::Steuerkonto:
      return konten_.IstNormOderReduSteuer(konto);
    case TMerkmal::Anzahl:
      break;
  }
  return false;
}

void TAutomatikPaarung::LaufBearbeiten(std::vector<TGeladeneBuchung>& buchungen,
                                       std::size_t von, std::size_t bis) {
  std::vector<TEintrag> eintraege;
  for (std::size_t i = von; i < bis; ++i) {
    const TZeilenWerte& w = buchungen[i].Werte;
    TEintrag e{i, std::string(w.Text(TSpalte::GegenkontoName)), std::string(w.Text(TSpalte::KontoName)),
               w.Betrag(TSpalte::BuchBetragSoll) - w.Betrag(TSpalte::BuchBetragHaben), false};
    if (Hat(e.Konto, TMerkmal::Ausgenommen) || Hat(e.GegenKonto, TMerkmal::Ausgenommen)) {
      continue;
    }
    e.IstSteuer = Hat(e.GegenKonto, TMerkmal::Steuerkonto);
    eintraege.push_back(std::move(e));
  }
  const TZeilenWerte& erste = buchungen[von].Werte;
  const std::string_view verweisart = erste.Text(TSpalte::Verweisart);
  if (eintraege.size() == 1) {
    const std::string vstOhne = konten_.SteuerschluesselVstOhne();
    if (verweisart != "Aufwandsbuchung" && !vstOhne.empty()) {
      buchungen[eintraege.front().Zeile].Werte.SetText(TSpalte::BU, vstOhne);
    }
    return;
  }
  if (eintraege.size() < 2) return;
  for (const TEintrag& e : eintraege) {
    if (Hat(e.Konto, TMerkmal::LaufOhnePaarung) || Hat(e.GegenKonto, TMerkmal::LaufOhnePaarung)) {
      return;
    }
  }
  const bool ohneBetragVorher =
      (verweisart == "Kassenbericht" || verweisart == "Undefiniert") &&
      erste.Ganzzahl(TSpalte::Verweis1) == 9;
  for (std::size_t t = 0; t < eintraege.size(); ++t) {
    const TEintrag& steuer = eintraege[t];
    if (!steuer.IstSteuer) continue;
    auto passt = [&](const TEintrag& erloes, bool betragPruefen) {
      return !erloes.IstSteuer && qtx_strmatch(erloes.Konto, steuer.Konto) &&
             (!betragPruefen || BetraegePassen(steuer, erloes));
    };
    if (t > 0 && passt(eintraege[t - 1], !ohneBetragVorher)) {
      Verbinden(buchungen[steuer.Zeile], buchungen[eintraege[t - 1].Zeile]);
    } else if (t + 1 < eintraege.size() && passt(eintraege[t + 1], true)) {
      Verbinden(buchungen[steuer.Zeile], buchungen[eintraege[t + 1].Zeile]);
    }
  }
}

bool TAutomatikPaarung::BetraegePassen(const TEintrag& steuer, const TEintrag& erloes) {
  if (konten_.KontoIstSteuerEG(steuer.GegenKonto)) return true;
  const long double erwartet =
      AufCentGerundet(erloes.Betrag * konten_.GetProzentSatzAusKonto(steuer.GegenKonto));
  const long double abweichung = std::fabs(erwartet - steuer.Betrag);
  return abweichung <= 0.10L + 1e-9L || abweichung <= std::fabs(steuer.Betrag) * 0.001L;
}

void TAutomatikPaarung::Verbinden(TGeladeneBuchung& steuer, TGeladeneBuchung& erloes) {
  TZeilenWerte& s = steuer.Werte;
  const TZeilenWerte& e = erloes.Werte;
  const TDateTime datum = e.Datum(TSpalte::Belegdatum);
  const std::string ident = konten_.CreateIdent();
  const std::string prefixSteuer =
      konten_.AKPrefixZuKonto(std::string(s.Text(TSpalte::GegenkontoName)), datum);
  const std::string prefixKonto =
      konten_.AKPrefixZuKonto(std::string(s.Text(TSpalte::KontoName)), datum);
  // The revenue row's values, which both rows take over; SetTexte may read them from the
  // row it changes.
  const TZeilenWerte& gemeinsam = e;
  const bool belegKontenabhaengig = IstKontenabhaengigerInhalt(einstellungen_.InhaltBeleg1) ||
                                    IstKontenabhaengigerInhalt(einstellungen_.InhaltBeleg2);
  const std::string gegenBez = "AK " + std::string(gemeinsam.Text(TSpalte::GegenkontoBez));
  const std::string kontoBez = "AK " + std::string(gemeinsam.Text(TSpalte::KontoBez));
  const std::string kontoNr = prefixKonto + std::string(gemeinsam.Text(TSpalte::Konto));
  const std::string gkIdent = "AK" + prefixSteuer + "|" + prefixKonto + "|" +
                              std::string(gemeinsam.Text(TSpalte::Konto)) + "=" +
                              std::string(gemeinsam.Text(TSpalte::Gegenkonto));
  for (TZeilenWerte* w : {&s, &erloes.Werte}) {
    w->SetTexte({{TSpalte::AKIdent, ident},
                 {TSpalte::AKSteuerGGKto, prefixSteuer},
                 {TSpalte::AKGKtoBez, gegenBez},
                 {TSpalte::AKKntoBez, kontoBez},
                 {TSpalte::AKGKtoNr, gemeinsam.Text(TSpalte::Gegenkonto)},
                 {TSpalte::AKKntoNr, kontoNr},
                 {TSpalte::AKGKtoName, gemeinsam.Text(TSpalte::GegenkontoName)},
                 {TSpalte::AKKntoName, gemeinsam.Text(TSpalte::KontoName)},
                 {TSpalte::GKIdent, gkIdent},
                 {TSpalte::Beschreibung, gemeinsam.Text(TSpalte::Beschreibung)},
                 {TSpalte::ExportBeschreibung, gemeinsam.Text(TSpalte::ExportBeschreibung)}});
    if (belegKontenabhaengig) {
      w->SetTexte({{TSpalte::Beleg1, gemeinsam.Text(TSpalte::Beleg1)},
                   {TSpalte::Beleg2, gemeinsam.Text(TSpalte::Beleg2)},
                   {TSpalte::ExportBeleg1, gemeinsam.Text(TSpalte::ExportBeleg1)},
                   {TSpalte::ExportBeleg2, gemeinsam.Text(TSpalte::ExportBeleg2)}});
    }
  }
}

TZeilenWerte AutomatikGruppenWerte(const std::vector<const TZeilenWerte*>& mitglieder) {
  // The revenue member carries the accounts and texts the target system books on.
  const TZeilenWerte* basis = mitglieder.front();
  for (const TZeilenWerte* m : mitglieder) {
    if (m->Text(TSpalte::GegenkontoName) == m->Text(TSpalte::AKGKtoName)) {
      basis = m;
      break;
    }
  }
  TZeilenWerte g = *basis;
  std::vector<std::string> steuern, gegenKonten, konten;
  for (const TZeilenWerte* m : mitglieder) {
    const std::string_view ak = m->Text(TSpalte::AKSteuerGGKto);
    steuern.emplace_back(ak.empty() ? m->Text(TSpalte::BU) : ak);
    gegenKonten.emplace_back(m->Text(TSpalte::AKGKtoName));
    konten.emplace_back(m->Text(TSpalte::AKKntoName));
  }
  g.SetTexte({{TSpalte::BU, EindeutigVerbinden(steuern)},
              {TSpalte::GegenkontoName, EindeutigVerbinden(gegenKonten)},
              {TSpalte::KontoName, EindeutigVerbinden(konten)}});
  return g;
}
