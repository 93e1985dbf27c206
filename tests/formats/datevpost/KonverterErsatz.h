// The stand-in for DATEV's converter: a shell script installed as "DAMO32.EXE" that reads
// "DAMO32.INI" from its working directory, copies the input file to a numbered dispatch
// file, writes "EV01" and a protocol; told by the file "verhalten" to fail or to hang.
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

inline constexpr const char* kKonverter = R"SH(#!/bin/sh
wert() { sed -n "s/^$1=//p" DAMO32.INI | tr -d '\r'; }
ein=$(wert Eingabedatei); aus=$(wert Ausgabepfad); prot=$(wert Protokolldatei)
verhalten=$(cat verhalten 2>/dev/null)
echo "DAMO32 startet in $(pwd)"
if [ "$verhalten" = haengt ]; then sleep 60; fi
if [ "$verhalten" = fehler ]; then printf 'Vorlauf ungueltig\r\nAbbruch mit Fehler\r\n' > "$prot"; exit 2; fi
nr=$(($(cat nummer 2>/dev/null || echo 0) + 1)); echo $nr > nummer
cp "$ein" "${aus}ED$(printf %06d $nr)"
printf 'Berater %s Mandant %s\r\n' "$(wert Berater)" "$(wert Mandant)" > "${aus}EV01"
n=$(($(wc -l < "$ein") - 1))
printf 'DATEV-Umwandlung\r\n\r\n%s Buchungen umgewandelt\r\nEnde ohne Fehler\r\n' "$n" > "$prot"
)SH";

inline void KonverterErsatz(const std::filesystem::path& verzeichnis, const std::string& verhalten = {}) {
  std::filesystem::create_directories(verzeichnis);
  const auto programm = verzeichnis / "DAMO32.EXE";
  std::ofstream(programm) << kKonverter;
  ::chmod(programm.c_str(), 0755);
  std::ofstream(verzeichnis / "verhalten") << verhalten;
}
