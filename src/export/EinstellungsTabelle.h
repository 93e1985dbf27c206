// A format declares each of its plain profile settings once: key, member, default, key of
// the settings from before profiles, a check that normalises a loaded value and, for a
// switch the settings form shows, its caption and hint. Loading, saving, loading the old
// settings and the form's switches are derived from that one row, in the table's order.
#pragma once

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "suite/Format.h"
#include "suite/QTXFormStore.h"
#include "suite/SimpleMask.h"
#include "suite/Text.h"

template <typename T>
struct TEinstellung {
  const char* Schluessel;
  std::variant<std::string T::*, int T::*, bool T::*> Member;
  const char* Vorgabe = "";               // as stored: "4", "J", a path
  const char* AlterSchluessel = nullptr;  // none: the old settings leave the member as it is
  // Normalises a text value read from a profile (an empty value is passed over).
  std::string (*Pruefen)(const std::string&) = nullptr;
  // The form a text value is stored in (for example a path relative to the suite).
  std::string (*Speichern)(const std::string&) = nullptr;
  // A yes/no setting with a caption is a switch of the settings form, with this hint.
  const char* Beschriftung = nullptr;
  const char* Hinweis = nullptr;
};

// A switch of a settings form as its logic and its view know it, without the member.
struct TSchalter {
  std::string Schluessel;
  std::string Beschriftung;
  std::string Hinweis;
  bool Wert = false;
};

template <typename T>
using TEinstellungsTabelle = std::vector<TEinstellung<T>>;

// Profile lines into the members.
template <typename T>
void EinstellungenLesen(T& ziel, const TQTXStrings& config, const TEinstellungsTabelle<T>& tabelle) {
  for (const auto& e : tabelle) {
    const std::string wert = config.Value(e.Schluessel);
    if (auto* text = std::get_if<std::string T::*>(&e.Member)) {
      ziel.*(*text) = wert.empty() || e.Pruefen == nullptr ? wert : e.Pruefen(wert);
    } else if (auto* zahl = std::get_if<int T::*>(&e.Member)) {
      ziel.*(*zahl) = StrToIntDef(wert, StrToIntDef(e.Vorgabe, 0));
    } else {
      ziel.*std::get<bool T::*>(e.Member) = JNToBool(wert);
    }
  }
}

// The members into profile lines.
template <typename T>
void EinstellungenSchreiben(const T& quelle, TQTXStrings& config,
                            const TEinstellungsTabelle<T>& tabelle) {
  for (const auto& e : tabelle) {
    if (auto* text = std::get_if<std::string T::*>(&e.Member)) {
      const std::string& wert = quelle.*(*text);
      config.SetValue(e.Schluessel, e.Speichern == nullptr ? wert : e.Speichern(wert));
    } else if (auto* zahl = std::get_if<int T::*>(&e.Member)) {
      config.SetValue(e.Schluessel, std::to_string(quelle.*(*zahl)));
    } else {
      config.SetValue(e.Schluessel, BoolToJN(quelle.*std::get<bool T::*>(e.Member)));
    }
  }
}

// The settings from before profiles, for the rows that name an old key.
template <typename T>
void EinstellungenAltLesen(T& ziel, const TSimpleMask& maske, const TEinstellungsTabelle<T>& tabelle) {
  for (const auto& e : tabelle) {
    if (e.AlterSchluessel == nullptr) continue;
    if (auto* text = std::get_if<std::string T::*>(&e.Member)) {
      ziel.*(*text) = maske.ReadGlobalDef(e.AlterSchluessel, std::string(e.Vorgabe));
    } else if (auto* zahl = std::get_if<int T::*>(&e.Member)) {
      ziel.*(*zahl) = maske.ReadGlobalDef(e.AlterSchluessel, StrToIntDef(e.Vorgabe, 0));
    } else {
      ziel.*std::get<bool T::*>(e.Member) = maske.ReadGlobalDef(e.AlterSchluessel, JNToBool(e.Vorgabe));
    }
  }
}

// The switches of the table, with the members' values, for the form.
template <typename T>
std::vector<TSchalter> SchalterLesen(const T& quelle, const TEinstellungsTabelle<T>& tabelle) {
  std::vector<TSchalter> schalter;
  for (const auto& e : tabelle) {
    const auto* member = std::get_if<bool T::*>(&e.Member);
    if (member == nullptr || e.Beschriftung == nullptr) continue;
    schalter.push_back({e.Schluessel, e.Beschriftung, e.Hinweis ? e.Hinweis : "", quelle.*(*member)});
  }
  return schalter;
}

// The form's switches back into the members (switches of other tables are passed over).
template <typename T>
void SchalterSchreiben(T& ziel, const std::vector<TSchalter>& schalter,
                       const TEinstellungsTabelle<T>& tabelle) {
  for (const auto& e : tabelle) {
    const auto* member = std::get_if<bool T::*>(&e.Member);
    if (member == nullptr) continue;
    const auto gefunden = std::find_if(schalter.begin(), schalter.end(),
                                       [&](const TSchalter& s) { return s.Schluessel == e.Schluessel; });
    if (gefunden != schalter.end()) ziel.*(*member) = gefunden->Wert;
  }
}
